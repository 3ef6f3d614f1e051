#pragma once

// Replacing a file's contents on Windows so that a failure never leaves it half written, and the
// checks of what may be replaced: the same rule as records/file_replacement.h on Linux. Shared by
// the saved games and the Windows program's settings.

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <span>

#include "records/file_result.h"

namespace kalvenor::win32 {

FileError systemFailure(FileStep step, const std::filesystem::path& path, DWORD error);

// Refuses a folder and a write-protected file in `target`'s place; otherwise writes `parts` one
// after another to a fresh temporary file beside `target`, flushes it to disk and renames it over
// `target`. On any failure the temporary file is removed and `target` stays as it was.
FileResult replaceFile(const std::filesystem::path& target,
                       std::span<const std::span<const std::uint8_t>> parts);

}  // namespace kalvenor::win32
