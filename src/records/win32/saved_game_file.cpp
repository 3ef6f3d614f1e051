// Saved games on Windows: the same contracts as on Linux, through the wide-character API.

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "records/saved_game.h"
#include "records/saved_game_format.h"
#include "records/win32/native_file.h"
#include "records/win32/wide_text.h"

namespace kalvenor {

namespace {

namespace fs = std::filesystem;

FileError systemFailure(FileStep step, const fs::path& path, DWORD error) {
    return FileError{step, path, win32::systemMessage(error)};
}

// 0, or the system's error code of the first failing write or of the flush to disk.
DWORD writeGame(HANDLE file, const GameDataHeader& header, std::span<const std::uint8_t> board) {
    if (const DWORD error = win32::writeAll(file, encodeGameDataHeader(header))) {
        return error;
    }
    if (const DWORD error = win32::writeAll(file, board)) {
        return error;
    }
    return FlushFileBuffers(file) ? 0 : GetLastError();
}

// A fresh file beside the target that nobody else may open while it is written.
win32::FileHandle createTemporaryBeside(const fs::path& target, fs::path& temporary, DWORD& error) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(L".");
    std::random_device entropy;
    error = ERROR_FILE_EXISTS;
    for (int attempt = 0; attempt < 16 && (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS);
         ++attempt) {
        temporary = folder / (L".kalvenor-save-" + std::to_wstring(entropy()) + L".tmp");
        win32::FileHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                           FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.valid()) {
            error = 0;
            return file;
        }
        error = GetLastError();
    }
    return win32::FileHandle{};
}

}  // namespace

FileResult writeSavedGame(const std::filesystem::path& path, const GameDataHeader& header,
                          std::span<const std::uint8_t> board) {
    if (std::string problem = boardSizeProblem(header, board); !problem.empty()) {
        return FileError{FileStep::Write, path, std::move(problem)};
    }
    const DWORD attributes = GetFileAttributesW(path.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return FileError{FileStep::Open, path, "it is a folder"};
    }
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return FileError{FileStep::Replace, path, "the file is write-protected"};
    }

    fs::path temporary;
    DWORD error = 0;
    win32::FileHandle file = createTemporaryBeside(path, temporary, error);
    if (!file.valid()) {
        return systemFailure(FileStep::Create, path, error);
    }
    error = writeGame(file.get(), header, board);
    if (const DWORD closeError = file.close(); error == 0) {
        error = closeError;
    }
    if (error != 0) {
        DeleteFileW(temporary.c_str());
        return systemFailure(FileStep::Write, path, error);
    }
    // The new file takes the old one's place in one rename, written through to the disk.
    // (ReplaceFileW would keep the old file's security too, but where it fails it may leave a
    // backup file of its own behind.)
    if (!MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = GetLastError();
        DeleteFileW(temporary.c_str());
        return systemFailure(FileStep::Replace, path, error);
    }
    return {};
}

FileValue<SavedGame> readSavedGame(const std::filesystem::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return FileError{FileStep::Open, path, "it is a folder"};
    }
    win32::FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        return systemFailure(FileStep::Open, path, GetLastError());
    }
    if (GetFileType(file.get()) != FILE_TYPE_DISK) {
        return notAFileRefusal(path);
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) {
        return systemFailure(FileStep::Read, path, GetLastError());
    }
    const auto readFully = [&](std::span<std::uint8_t> buffer) -> FileValue<std::size_t> {
        DWORD error = 0;
        const std::size_t count = win32::readFully(file.get(), buffer, error);
        if (error != 0) {
            return systemFailure(FileStep::Read, path, error);
        }
        return count;
    };
    return readSavedGameFrom(path, {static_cast<std::uint64_t>(size.QuadPart), readFully});
}

}  // namespace kalvenor
