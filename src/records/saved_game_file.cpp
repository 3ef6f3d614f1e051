#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <random>
#include <string>
#include <utility>
#include <vector>

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

// The file a save writes: through symbolic links, also dangling ones, to the file they name.
FileValue<fs::path> saveTarget(const fs::path& path) {
    constexpr int kMostLinks = 40;  // as the system itself follows them
    fs::path target = path;
    for (int links = 0; links < kMostLinks; ++links) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(target, error))) {
            return target;
        }
        const fs::path named = fs::read_symlink(target, error);
        if (error) {
            return FileError{FileStep::Open, path, error.message()};
        }
        target = named.is_absolute() ? named : target.parent_path() / named;
    }
    return FileError{FileStep::Open, path, systemError(ELOOP)};
}

bool inOurGroups(gid_t group) {
    if (group == ::getegid()) {
        return true;
    }
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(0, ::getgroups(0, nullptr))));
    const int count = ::getgroups(static_cast<int>(groups.size()), groups.data());
    return std::find(groups.begin(), groups.begin() + std::max(0, count), group) != groups.end();
}

// Whether the file's own permissions let us write it. Read from the mode bits, so that a file
// its owner made read-only stays protected also from a user whom the system would let write.
bool permissionsLetUsWrite(const struct stat& file) {
    if (file.st_uid == ::geteuid()) {
        return (file.st_mode & S_IWUSR) != 0;
    }
    if (inOurGroups(file.st_gid)) {
        return (file.st_mode & S_IWGRP) != 0;
    }
    return (file.st_mode & S_IWOTH) != 0;
}

// A fresh file beside the target, created with the permissions a new save would get.
FileValue<OpenFile> createTemporaryBeside(const fs::path& target, fs::path& temporary) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::random_device entropy;
    int error = EEXIST;
    for (int attempt = 0; attempt < 16 && error == EEXIST; ++attempt) {
        temporary = folder / (".kalvenor-save-" + std::to_string(entropy()) + ".tmp");
        const int descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0) {
            return OpenFile(descriptor, temporary);
        }
        error = errno;
    }
    return FileError{FileStep::Create, target, systemError(error)};
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

// Writes the game to a temporary file beside `target`, flushed to disk, and renames it over
// `target`; the temporary file is removed again on any failure.
FileResult replaceByRename(const fs::path& target, const struct stat* existing, const GameDataHeader& header,
                           std::span<const std::uint8_t> board) {
    fs::path temporary;
    FileValue<OpenFile> file = createTemporaryBeside(target, temporary);
    if (!file.ok()) {
        return file.error();
    }
    if (existing != nullptr) {
        ::fchmod(file.value().descriptor(),
                 existing->st_mode & 07777);  // keep the replaced file's permissions
    }
    FileResult result = writeGame(file.value(), header, board);
    if (result.ok()) {
        result = file.value().flush();
    }
    if (FileResult closed = file.value().close(); result.ok()) {
        result = std::move(closed);
    }
    if (result.ok() && ::rename(temporary.c_str(), target.c_str()) != 0) {
        result = FileError{FileStep::Replace, target, systemError(errno)};
    }
    if (!result.ok()) {
        ::unlink(temporary.c_str());
        // The failure is the target's, whatever file the step failed on.
        FileError error = result.error();
        error.path = target;
        return error;
    }
    return {};
}

// Best effort: makes the rename itself survive a crash.
void flushFolder(const fs::path& target) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        OpenFile directory(descriptor, folder);
        (void)directory.flush();  // the game is saved either way
    }
}

}  // namespace

FileResult writeSavedGame(const std::filesystem::path& path, const GameDataHeader& header,
                          std::span<const std::uint8_t> board) {
    if (std::string problem = boardSizeProblem(header, board); !problem.empty()) {
        return FileError{FileStep::Write, path, std::move(problem)};
    }
    const FileValue<fs::path> followed = saveTarget(path);
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
    if (FileResult replaced = replaceByRename(target, exists ? &existing : nullptr, header, board);
        !replaced.ok()) {
        return replaced;
    }
    flushFolder(target);
    return {};
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
