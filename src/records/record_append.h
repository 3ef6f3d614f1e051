#pragma once

#include <filesystem>
#include <string_view>

#include "records/file_result.h"

namespace kalvenor {

// Opens the file for appending (created when missing, never truncated), writes the bytes at its
// end and closes it again, so that no handle stays open between two writes and another program
// may move the file in between. One implementation per system.
FileResult appendToFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace kalvenor
