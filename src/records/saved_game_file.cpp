#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <string>
#include <utility>
#include <vector>

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
    const auto notASavedGame = [&path](std::string why) {
        return FileError{FileStep::Check, path, std::move(why)};
    };

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
        return notASavedGame("not a saved game: it is a device or a pipe, not a file");
    }

    const auto fileSize = static_cast<std::uint64_t>(status.st_size);
    std::array<std::uint8_t, kGameDataHeaderSize> headerBytes{};
    const FileValue<std::size_t> headerRead = file.readFully(headerBytes);
    if (!headerRead.ok()) {
        return headerRead.error();
    }
    const std::span<const std::uint8_t> leading(headerBytes.data(), headerRead.value());
    if (std::string problem = gameDataHeaderProblem(leading, fileSize); !problem.empty()) {
        return notASavedGame(std::move(problem));
    }

    // The length now matches the dimension, so the board is at most 8^8 bytes.
    std::vector<std::uint8_t> board(fileSize - kGameDataHeaderSize);
    const FileValue<std::size_t> boardRead = file.readFully(board);
    if (!boardRead.ok()) {
        return boardRead.error();
    }
    std::uint8_t beyond = 0;
    const FileValue<std::size_t> beyondRead = file.readFully({&beyond, 1});
    if (boardRead.value() != board.size() || !beyondRead.ok() || beyondRead.value() != 0) {
        return notASavedGame("not a saved game: the file changed its length while it was read");
    }
    if (std::string problem = boardBytesProblem(board); !problem.empty()) {
        return notASavedGame(std::move(problem));
    }
    return SavedGame{decodeGameDataHeader(headerBytes), std::move(board)};
}

}  // namespace kalvenor
