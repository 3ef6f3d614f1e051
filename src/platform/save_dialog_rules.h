#pragma once

// What every backend's Save dialog does around its own window: a name typed without extension
// gets the first filter's extension, and an existing file is replaced only after a Yes. The words
// of the question are the same on every backend.

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>

#include "catalog/localized.h"
#include "platform/window_system.h"
#include "records/utf8_path.h"

namespace kalvenor::platform {

inline std::string_view replaceCaption() {
    return localized("上書き確認");
}

// "PATH\nは既に存在します。上書きしますか？"
inline std::string replaceQuestion(std::string_view path) {
    return localizedFormat("%s\nは既に存在します。上書きしますか？", path);
}

// ".gd" for the pattern "*.gd"; empty for "*.*", "*" or no filter.
inline std::string defaultExtension(std::span<const FileFilter> filters) {
    if (filters.empty()) {
        return {};
    }
    const std::string_view pattern = filters.front().pattern;
    const auto dot = pattern.rfind('.');
    if (dot == std::string_view::npos || pattern.find_first_of("*?", dot) != std::string_view::npos) {
        return {};
    }
    return std::string(pattern.substr(dot));
}

// `path` as the Save dialog returns it: with the default extension when its file name has none.
inline std::string withDefaultExtension(std::string path, std::span<const FileFilter> filters) {
    const std::filesystem::path name = pathFromUtf8(path).filename();
    if (!name.empty() && !name.has_extension()) {
        path += defaultExtension(filters);
    }
    return path;
}

// `path` as the Open dialog's choice is read: a name without extension that names no file, while
// the name with the default extension does, means that file, as the Save dialog would have named it.
inline std::string existingWithDefaultExtension(std::string path, std::span<const FileFilter> filters) {
    const std::filesystem::path chosen = pathFromUtf8(path);
    std::error_code error;
    if (chosen.filename().empty() || chosen.has_extension() || std::filesystem::exists(chosen, error)) {
        return path;
    }
    std::string extended = withDefaultExtension(path, filters);
    return std::filesystem::exists(pathFromUtf8(extended), error) ? extended : path;
}

// The Save flow: `showDialog(initialPath)` shows the backend's dialog once and returns the name
// chosen (nullopt for Cancel). Nothing is written here; the caller writes after this returns.
template <typename ShowDialog>
std::optional<std::string> runSaveDialog(WindowHandle owner, std::span<const FileFilter> filters,
                                         std::string initialPath, ShowDialog showDialog) {
    for (;;) {
        std::optional<std::string> chosen = showDialog(std::string_view(initialPath));
        if (!chosen) {
            return std::nullopt;
        }
        std::string path = withDefaultExtension(std::move(*chosen), filters);
        // Only a file is replaced; anything else at the path is the writer's to report.
        std::error_code error;
        const std::filesystem::path file = pathFromUtf8(path);
        if (!std::filesystem::exists(file, error) || std::filesystem::is_directory(file, error)) {
            return path;
        }
        const MessageBoxResult answer =
            messageBox(owner, replaceQuestion(path), replaceCaption(),
                       {MessageBoxButtons::YesNo, MessageBoxIcon::Exclamation, false});
        if (answer == MessageBoxResult::Yes) {
            return path;
        }
        initialPath = std::move(path);  // No: back to the dialog, on the same name
    }
}

}  // namespace kalvenor::platform
