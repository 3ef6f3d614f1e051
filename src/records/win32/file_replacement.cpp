#include "records/win32/file_replacement.h"

#include <random>
#include <string>

#include "records/win32/native_file.h"
#include "records/win32/wide_text.h"

namespace kalvenor::win32 {

namespace {

namespace fs = std::filesystem;

// 0, or the system's error code of the first failing write or of the flush to disk.
DWORD writeParts(HANDLE file, std::span<const std::span<const std::uint8_t>> parts) {
    for (const std::span<const std::uint8_t> part : parts) {
        if (const DWORD error = writeAll(file, part)) {
            return error;
        }
    }
    return FlushFileBuffers(file) ? 0 : GetLastError();
}

// A fresh file beside the target that nobody else may open while it is written.
FileHandle createTemporaryBeside(const fs::path& target, fs::path& temporary, DWORD& error) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(L".");
    std::random_device entropy;
    error = ERROR_FILE_EXISTS;
    for (int attempt = 0; attempt < 16 && (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS);
         ++attempt) {
        temporary = folder / (L".kalvenor-save-" + std::to_wstring(entropy()) + L".tmp");
        FileHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.valid()) {
            error = 0;
            return file;
        }
        error = GetLastError();
    }
    return FileHandle{};
}

}  // namespace

FileError systemFailure(FileStep step, const fs::path& path, DWORD error) {
    return FileError{step, path, systemMessage(error)};
}

FileResult replaceFile(const fs::path& target, std::span<const std::span<const std::uint8_t>> parts) {
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return FileError{FileStep::Open, target, "it is a folder"};
    }
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return FileError{FileStep::Replace, target, "the file is write-protected"};
    }

    fs::path temporary;
    DWORD error = 0;
    FileHandle file = createTemporaryBeside(target, temporary, error);
    if (!file.valid()) {
        return systemFailure(FileStep::Create, target, error);
    }
    error = writeParts(file.get(), parts);
    if (const DWORD closeError = file.close(); error == 0) {
        error = closeError;
    }
    if (error != 0) {
        DeleteFileW(temporary.c_str());
        return systemFailure(FileStep::Write, target, error);
    }
    // The new file takes the old one's place in one rename, written through to the disk.
    // (ReplaceFileW would keep the old file's security too, but where it fails it may leave a
    // backup file of its own behind.)
    if (!MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = GetLastError();
        DeleteFileW(temporary.c_str());
        return systemFailure(FileStep::Replace, target, error);
    }
    return {};
}

}  // namespace kalvenor::win32
