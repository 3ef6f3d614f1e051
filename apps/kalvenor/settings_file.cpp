#include "settings_file.h"

#include <utility>

namespace kalvenor {

namespace fs = std::filesystem;

namespace {

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

FileError settingsTooLong(const fs::path& path) {
    return FileError{FileStep::Check, path, "not a settings file: it is longer than 64 KiB"};
}

FileResult makeFolderFor(const fs::path& file) {
    std::error_code error;
    if (file.has_parent_path() && !fs::is_directory(file.parent_path(), error)) {
        fs::create_directories(file.parent_path(), error);
        if (error) {
            return FileError{FileStep::Create, file, error.message()};
        }
    }
    return {};
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
