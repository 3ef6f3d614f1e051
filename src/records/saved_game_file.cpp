#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <random>
#include <vector>

#include "records/posix_file.h"
#include "records/saved_game.h"
#include "records/saved_game_format.h"

namespace kalvenor {

namespace {

namespace fs = std::filesystem;

// 0, or the errno of the first failing write or the flush to disk.
int writeGame(int descriptor, const GameDataHeader& header, std::span<const std::uint8_t> board) {
    const auto headerBytes = encodeGameDataHeader(header);
    if (const int error = writeAll(descriptor, headerBytes)) {
        return error;
    }
    if (const int error = writeAll(descriptor, board)) {
        return error;
    }
    return ::fsync(descriptor) == 0 ? 0 : errno;
}

// The file a save replaces: through a symbolic link to the file it names.
fs::path saveTarget(const fs::path& path) {
    std::error_code error;
    if (fs::is_symlink(fs::symlink_status(path, error))) {
        fs::path resolved = fs::weakly_canonical(path, error);
        if (!error) {
            return resolved;
        }
    }
    return path;
}

// A fresh file beside the target, created with the permissions a new save would get.
FileDescriptor createTemporaryBeside(const fs::path& target, fs::path& temporary, int& error) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::random_device entropy;
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary = folder / (".kalvenor-save-" + std::to_string(entropy()) + ".tmp");
        FileDescriptor file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (file.valid()) {
            error = 0;
            return file;
        }
        error = errno;
        if (error != EEXIST) {
            break;
        }
    }
    return FileDescriptor{};
}

// Devices and pipes cannot be replaced by renaming: they are written in place.
FileResult writeInPlace(const fs::path& target, const GameDataHeader& header,
                        std::span<const std::uint8_t> board) {
    FileDescriptor file = openWithoutWaiting(target, O_WRONLY | O_TRUNC);
    if (!file.valid()) {
        return {false, "cannot open " + target.string() + ": " + systemError(errno)};
    }
    int error = writeGame(file.get(), header, board);
    if (error == EINVAL || error == EROFS) {
        error = 0;  // a device that has nothing to flush to disk
    }
    if (const int closeError = file.close(); error == 0) {
        error = closeError;
    }
    if (error != 0) {
        return {false, "cannot write " + target.string() + ": " + systemError(error)};
    }
    return {};
}

// Best effort: makes the rename itself survive a crash.
void flushFolder(const fs::path& target) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.valid()) {
        ::fsync(directory.get());
    }
}

}  // namespace

FileResult writeSavedGame(const std::filesystem::path& path, const GameDataHeader& header,
                          std::span<const std::uint8_t> board) {
    if (header.cellCount < 0 || board.size() != static_cast<std::size_t>(header.cellCount)) {
        return {false, "cannot save: the board has " + std::to_string(board.size()) +
                           " cells but the game has " + std::to_string(header.cellCount)};
    }
    const fs::path target = saveTarget(path);

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        return {false, "cannot save: " + target.string() + " is a folder"};
    }
    if (exists && !S_ISREG(existing.st_mode)) {
        return writeInPlace(target, header, board);
    }

    fs::path temporary;
    int error = 0;
    FileDescriptor file = createTemporaryBeside(target, temporary, error);
    if (!file.valid()) {
        return {false, "cannot save in the folder of " + target.string() + ": " + systemError(error)};
    }
    if (exists) {
        ::fchmod(file.get(), existing.st_mode & 07777);  // keep the replaced file's permissions
    }
    error = writeGame(file.get(), header, board);
    if (const int closeError = file.close(); error == 0) {
        error = closeError;
    }
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
        ::unlink(temporary.c_str());
        return {false, "cannot replace " + target.string() + ": " + systemError(error)};
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return {false, "cannot write " + target.string() + ": " + systemError(error)};
    }
    flushFolder(target);
    return {};
}

LoadResult readSavedGame(const std::filesystem::path& path) {
    const auto cannotOpen = [&](const std::string& why) {
        return LoadResult{std::nullopt, LoadFailure::CannotOpen, "cannot open " + path.string() + ": " + why};
    };
    const auto invalid = [](std::string why) {
        return LoadResult{std::nullopt, LoadFailure::Invalid, std::move(why)};
    };

    FileDescriptor file = openWithoutWaiting(path, O_RDONLY);
    if (!file.valid()) {
        return cannotOpen(systemError(errno));
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) {
        return cannotOpen(systemError(errno));
    }
    if (S_ISDIR(status.st_mode)) {
        return cannotOpen("it is a folder");
    }
    if (!S_ISREG(status.st_mode)) {
        return invalid("not a saved game: it is a device or a pipe, not a file");
    }

    const auto fileSize = static_cast<std::uint64_t>(status.st_size);
    std::array<std::uint8_t, kGameDataHeaderSize> headerBytes{};
    const ssize_t headerRead = readFully(file.get(), headerBytes);
    if (headerRead < 0) {
        return cannotOpen(systemError(static_cast<int>(-headerRead)));
    }
    const std::span<const std::uint8_t> leading(headerBytes.data(), static_cast<std::size_t>(headerRead));
    if (std::string problem = gameDataHeaderProblem(leading, fileSize); !problem.empty()) {
        return invalid(std::move(problem));
    }

    // The length now matches the dimension, so the board is at most 8^8 bytes.
    std::vector<std::uint8_t> board(fileSize - kGameDataHeaderSize);
    const ssize_t boardRead = readFully(file.get(), board);
    if (boardRead < 0) {
        return cannotOpen(systemError(static_cast<int>(-boardRead)));
    }
    std::uint8_t beyond = 0;
    if (static_cast<std::size_t>(boardRead) != board.size() || readFully(file.get(), {&beyond, 1}) != 0) {
        return invalid("not a saved game: the file changed its length while it was read");
    }
    if (std::string problem = boardBytesProblem(board); !problem.empty()) {
        return invalid(std::move(problem));
    }
    return {SavedGame{decodeGameDataHeader(headerBytes), std::move(board)}, LoadFailure::None, {}};
}

}  // namespace kalvenor
