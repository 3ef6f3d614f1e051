#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <utility>

#include "records/file_replacement.h"
#include "records/posix_file.h"
#include "records/saved_game.h"
#include "records/saved_game_format.h"

namespace kalvenor {

namespace {

namespace fs = std::filesystem;

FileResult writeGame(const OpenFile& file, const GameDataHeader& header,
                     std::span<const std::uint8_t> board) {
    if (FileResult written = file.writeAll(encodeGameDataHeader(header)); !written.ok()) {
        return written;
    }
    return file.writeAll(board);
}

// Devices and pipes cannot be replaced by renaming: they are written in place, with nothing to
// flush to a disk.
FileResult writeInPlace(const fs::path& target, const GameDataHeader& header,
                        std::span<const std::uint8_t> board) {
    FileValue<OpenFile> file = OpenFile::open(target, O_WRONLY | O_TRUNC);
    if (!file.ok()) {
        return file.error();
    }
    FileResult written = writeGame(file.value(), header, board);
    FileResult closed = file.value().close();
    return written.ok() ? closed : written;
}

}  // namespace

FileResult writeSavedGame(const std::filesystem::path& path, const GameDataHeader& header,
                          std::span<const std::uint8_t> board) {
    if (std::string problem = boardSizeProblem(header, board); !problem.empty()) {
        return FileError{FileStep::Write, path, std::move(problem)};
    }
    // Through symbolic links, also dangling ones, to the file they name.
    const FileValue<fs::path> followed = followLinks(path, LinkOwners::Anyone);
    if (!followed.ok()) {
        return followed.error();
    }
    const fs::path& target = followed.value();

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        return FileError{FileStep::Open, target, "it is a folder"};
    }
    if (exists && !S_ISREG(existing.st_mode)) {
        return writeInPlace(target, header, board);
    }
    if (exists && !permissionsLetUsWrite(existing)) {
        return FileError{FileStep::Replace, target, "the file is write-protected"};
    }
    if (exists && ::access(target.c_str(), W_OK) != 0) {
        return FileError{FileStep::Replace, target, systemError(errno)};
    }
    const auto headerBytes = encodeGameDataHeader(header);
    const std::span<const std::uint8_t> parts[] = {headerBytes, board};
    return replaceByRename(target, exists ? &existing : nullptr, parts);
}

FileValue<SavedGame> readSavedGame(const std::filesystem::path& path) {
    FileValue<OpenFile> opened = OpenFile::open(path, O_RDONLY);
    if (!opened.ok()) {
        return opened.error();
    }
    const OpenFile& file = opened.value();
    struct stat status {};
    if (::fstat(file.descriptor(), &status) != 0) {
        return FileError{FileStep::Read, path, systemError(errno)};
    }
    if (S_ISDIR(status.st_mode)) {
        return FileError{FileStep::Open, path, "it is a folder"};
    }
    if (!S_ISREG(status.st_mode)) {
        return notAFileRefusal(path);
    }
    return readSavedGameFrom(path,
                             {static_cast<std::uint64_t>(status.st_size),
                              [&file](std::span<std::uint8_t> buffer) { return file.readFully(buffer); }});
}

}  // namespace kalvenor
