#pragma once

// Files the program keeps for itself in a folder of its own (the kept game): replaced whole in
// one step, and read whole with a limit on their size.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "records/file_result.h"

namespace kalvenor {

// Writes `bytes` to a fresh temporary file in the folder of `path`, flushes it to disk and renames
// it over `path`, so that a reader finds the previous file or the new one, whole, whatever happens
// in between. The temporary file is removed again on any failure.
FileResult replaceOwnFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// The bytes of a regular file of at most `largest` bytes; anything else (a folder, a device, a
// longer file) fails with FileStep::Check.
FileValue<std::vector<std::uint8_t>> readOwnFile(const std::filesystem::path& path, std::size_t largest);

}  // namespace kalvenor
