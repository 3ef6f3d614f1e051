// The settings file on Linux: read and replaced through POSIX calls.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <vector>

#include "records/file_replacement.h"
#include "records/posix_file.h"
#include "settings_file.h"

namespace kalvenor {

namespace fs = std::filesystem;

FileValue<SettingValues> readSettingsFile(const fs::path& path) {
    struct stat named {};
    if (::stat(path.c_str(), &named) != 0 && errno == ENOENT) {
        return SettingValues{};  // nothing stored yet
    }
    FileValue<OpenFile> opened = OpenFile::open(path, O_RDONLY);  // never waits on a pipe
    if (!opened.ok()) {
        return opened.error();
    }
    struct stat status {};
    if (::fstat(opened.value().descriptor(), &status) != 0) {
        return FileError{FileStep::Read, path, systemError(errno)};
    }
    if (S_ISDIR(status.st_mode)) {
        return FileError{FileStep::Open, path, "it is a folder"};
    }
    if (!S_ISREG(status.st_mode)) {
        return FileError{FileStep::Check, path, "not a settings file: it is a device or a pipe, not a file"};
    }
    if (static_cast<std::uint64_t>(status.st_size) > kLongestSettingsFile) {
        return settingsTooLong(path);
    }
    std::vector<std::uint8_t> bytes(kLongestSettingsFile + 1);
    const FileValue<std::size_t> read = opened.value().readFully(bytes);
    if (!read.ok()) {
        return read.error();
    }
    if (read.value() > kLongestSettingsFile) {
        return settingsTooLong(path);
    }
    return parseSettings({reinterpret_cast<const char*>(bytes.data()), read.value()});
}

FileResult writeSettingsFile(const fs::path& path, const SettingValues& values) {
    // A link another user planted here is not followed: a program run as root would replace
    // whatever it names.
    const FileValue<fs::path> followed = followLinks(path, LinkOwners::OnlyUs);
    if (!followed.ok()) {
        return followed.error();
    }
    const fs::path& target = followed.value();
    struct stat existing {};
    const bool exists = ::lstat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        return FileError{FileStep::Replace, target, "it is a folder"};
    }
    if (exists && !S_ISREG(existing.st_mode)) {
        return FileError{FileStep::Replace, target, "it is a device or a pipe, not a file"};
    }
    if (exists && !permissionsLetUsWrite(existing)) {
        return FileError{FileStep::Replace, target, "the file is write-protected"};
    }
    if (exists && ::access(target.c_str(), W_OK) != 0) {
        return FileError{FileStep::Replace, target, systemError(errno)};
    }
    if (const FileResult folder = makeFolderFor(target); !folder.ok()) {
        return folder;
    }
    const std::string text = formatSettings(values);
    const std::span<const std::uint8_t> parts[] = {
        {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}};
    return replaceByRename(target, exists ? &existing : nullptr, parts);
}

}  // namespace kalvenor
