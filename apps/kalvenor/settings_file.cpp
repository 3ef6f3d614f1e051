#include "settings_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <utility>
#include <vector>

#include "records/file_replacement.h"
#include "records/posix_file.h"

namespace kalvenor {

namespace fs = std::filesystem;

namespace {

// Far more than any settings the program writes; a longer file is not ours.
constexpr std::size_t kLongestFile = 64 * 1024;
constexpr std::string_view kGeneralGroup = "General";

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

bool needsQuotes(std::string_view value) {
    return !value.empty() && (value.find_first_of("\"\\\n\r;,=") != std::string_view::npos ||
                              value.front() == ' ' || value.back() == ' ');
}

std::string quotedValue(std::string_view value) {
    std::string text = "\"";
    for (const char c : value) {
        if (c == '\n') {
            text += "\\n";
        } else if (c == '\r') {
            text += "\\r";
        } else {
            if (c == '"' || c == '\\') {
                text += '\\';
            }
            text += c;
        }
    }
    return text + '"';
}

std::string unquotedValue(std::string_view value) {
    if (value.size() < 2 || value.front() != '"' || value.back() != '"') {
        return std::string(value);
    }
    value = value.substr(1, value.size() - 2);
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            const char escaped = value[++i];
            text += escaped == 'n' ? '\n' : escaped == 'r' ? '\r' : escaped;
        } else {
            text += value[i];
        }
    }
    return text;
}

}  // namespace

SettingValues parseSettings(std::string_view text) {
    SettingValues values;
    std::string group;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            group = std::string(trimmed(line.substr(1, line.size() - 2)));
            continue;
        }
        const auto equals = line.find('=');
        if (line.empty() || line.front() == ';' || line.front() == '#' || equals == std::string_view::npos) {
            continue;
        }
        const std::string_view name = trimmed(line.substr(0, equals));
        const std::string key =
            group.empty() || group == kGeneralGroup ? std::string(name) : group + '/' + std::string(name);
        values[key] = unquotedValue(trimmed(line.substr(equals + 1)));
    }
    return values;
}

std::string formatSettings(const SettingValues& values) {
    // Keys are sorted, so each group's keys stand together; plain names go under [General].
    std::string text;
    std::string group = "\n";  // no group yet
    for (const auto& [key, value] : values) {
        const auto slash = key.find('/');
        const std::string keyGroup =
            slash == std::string::npos ? std::string(kGeneralGroup) : key.substr(0, slash);
        if (keyGroup != group) {
            text += (text.empty() ? "[" : "\n[") + keyGroup + "]\n";
            group = keyGroup;
        }
        text += (slash == std::string::npos ? key : key.substr(slash + 1)) + '=';
        text += needsQuotes(value) ? quotedValue(value) : value;
        text += '\n';
    }
    return text;
}

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
    if (static_cast<std::uint64_t>(status.st_size) > kLongestFile) {
        return FileError{FileStep::Check, path, "not a settings file: it is longer than 64 KiB"};
    }
    std::vector<std::uint8_t> bytes(kLongestFile + 1);
    const FileValue<std::size_t> read = opened.value().readFully(bytes);
    if (!read.ok()) {
        return read.error();
    }
    if (read.value() > kLongestFile) {
        return FileError{FileStep::Check, path, "not a settings file: it is longer than 64 KiB"};
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
    std::error_code error;
    if (target.has_parent_path() && !fs::is_directory(target.parent_path(), error)) {
        fs::create_directories(target.parent_path(), error);
        if (error) {
            return FileError{FileStep::Create, target, error.message()};
        }
    }
    const std::string text = formatSettings(values);
    const std::span<const std::uint8_t> parts[] = {
        {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}};
    return replaceByRename(target, exists ? &existing : nullptr, parts);
}

SettingsFile::SettingsFile(fs::path path, std::function<void(const std::string&)> say)
    : path_(std::move(path)), say_(std::move(say)) {}

std::string SettingsFile::value(std::string_view key, std::string_view fallback) {
    const FileValue<SettingValues> values = readSettingsFile(path_);
    if (!values.ok()) {
        sayOnce("the settings cannot be read, the defaults are used: " + values.error().message());
        return std::string(fallback);
    }
    const auto found = values.value().find(key);
    return found == values.value().end() ? std::string(fallback) : found->second;
}

void SettingsFile::store(std::string_view key, std::string_view value) {
    // Read again first: another run of the program may have stored other keys since.
    FileValue<SettingValues> values = readSettingsFile(path_);
    if (!values.ok()) {
        sayOnce("the setting is not saved: " + values.error().message());
        return;
    }
    values.value()[std::string(key)] = std::string(value);
    if (const FileResult written = writeSettingsFile(path_, values.value()); !written.ok()) {
        sayOnce("the setting is not saved: " + written.error().message());
    }
}

void SettingsFile::sayOnce(const std::string& message) {
    if (said_.insert(message).second && say_) {
        say_(message);
    }
}

}  // namespace kalvenor
