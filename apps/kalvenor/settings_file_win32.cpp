// The settings file on Windows: the same rule as on Linux, through the wide-character API.

#include <windows.h>

#include <vector>

#include "records/win32/file_replacement.h"
#include "records/win32/native_file.h"
#include "settings_file.h"

namespace kalvenor {

namespace fs = std::filesystem;

FileValue<SettingValues> readSettingsFile(const fs::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            return SettingValues{};  // nothing stored yet
        }
        return win32::systemFailure(FileStep::Open, path, error);
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return FileError{FileStep::Open, path, "it is a folder"};
    }
    win32::FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        return win32::systemFailure(FileStep::Open, path, GetLastError());
    }
    if (GetFileType(file.get()) != FILE_TYPE_DISK) {
        return FileError{FileStep::Check, path, "not a settings file: it is a device or a pipe, not a file"};
    }
    std::vector<std::uint8_t> bytes(kLongestSettingsFile + 1);
    DWORD error = 0;
    const std::size_t read = win32::readFully(file.get(), bytes, error);
    if (error != 0) {
        return win32::systemFailure(FileStep::Read, path, error);
    }
    if (read > kLongestSettingsFile) {
        return settingsTooLong(path);
    }
    return parseSettings({reinterpret_cast<const char*>(bytes.data()), read});
}

FileResult writeSettingsFile(const fs::path& path, const SettingValues& values) {
    if (const FileResult folder = makeFolderFor(path); !folder.ok()) {
        return folder;
    }
    const std::string text = formatSettings(values);
    const std::span<const std::uint8_t> parts[] = {
        {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}};
    return win32::replaceFile(path, parts);
}

}  // namespace kalvenor
