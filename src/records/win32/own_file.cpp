// The program's own files on Windows: the same contracts as on Linux, through the wide-character API.

#include "records/own_file.h"

#include <random>
#include <string>

#include "records/win32/native_file.h"
#include "records/win32/wide_text.h"

namespace kalvenor {

namespace fs = std::filesystem;

FileResult replaceOwnFile(const fs::path& path, std::span<const std::uint8_t> bytes) {
    std::random_device entropy;
    const fs::path temporary = path.parent_path() / (L".kalvenor-" + std::to_wstring(entropy()) + L".tmp");
    win32::FileHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        return FileError{FileStep::Create, path, win32::systemMessage(GetLastError())};
    }
    DWORD error = win32::writeAll(file.get(), bytes);
    FileStep step = FileStep::Write;
    if (error == 0 && !FlushFileBuffers(file.get())) {
        error = GetLastError();
    }
    if (const DWORD closed = file.close(); error == 0) {
        error = closed;
    }
    if (error == 0 &&
        !MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = GetLastError();
        step = FileStep::Replace;
    }
    if (error != 0) {
        DeleteFileW(temporary.c_str());
        return FileError{step, path, win32::systemMessage(error)};
    }
    return {};
}

FileValue<std::vector<std::uint8_t>> readOwnFile(const fs::path& path, std::size_t largest) {
    win32::FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        return FileError{FileStep::Open, path, win32::systemMessage(GetLastError())};
    }
    if (GetFileType(file.get()) != FILE_TYPE_DISK) {
        return FileError{FileStep::Check, path, "it is not a regular file"};
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) {
        return FileError{FileStep::Read, path, win32::systemMessage(GetLastError())};
    }
    if (static_cast<std::uint64_t>(size.QuadPart) > largest) {
        return FileError{FileStep::Check, path,
                         "the file is longer than " + std::to_string(largest) + " bytes"};
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size.QuadPart));
    DWORD error = 0;
    bytes.resize(win32::readFully(file.get(), bytes, error));
    if (error != 0) {
        return FileError{FileStep::Read, path, win32::systemMessage(error)};
    }
    return bytes;
}

}  // namespace kalvenor
