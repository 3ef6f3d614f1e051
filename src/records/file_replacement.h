#pragma once

// Replacing a file's contents so that a failure never leaves it half written, and the checks of
// what may be replaced. Shared by the saved games and the desktop program's settings. POSIX only.

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <span>

#include "records/file_result.h"

namespace kalvenor {

// Which symbolic links a path is followed through.
enum class LinkOwners {
    Anyone,  // every link, as the system itself follows them
    OnlyUs,  // only links of the effective user: a link another user planted is not followed
};

// The file `path` names once its links are followed, also a dangling last link; fails on a loop,
// on an unreadable link, or (with LinkOwners::OnlyUs) on a link of another user.
FileValue<std::filesystem::path> followLinks(const std::filesystem::path& path, LinkOwners owners);

// Whether the file's own permissions let us write it. Read from the mode bits, so that a file
// its owner made read-only stays protected also from a user whom the system would let write.
bool permissionsLetUsWrite(const struct stat& file);

// Writes `parts` one after another to a fresh temporary file beside `target`, flushes it to disk
// and renames it over `target`, keeping the permissions of `existing` (the file replaced; null
// for a new file). On any failure the temporary file is removed and `target` stays as it was.
FileResult replaceByRename(const std::filesystem::path& target, const struct stat* existing,
                           std::span<const std::span<const std::uint8_t>> parts);

}  // namespace kalvenor
