#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kalvenor {

// Paths travel through the program as UTF-8 text, like every other text. A std::filesystem::path
// built from a plain string reads it in the system's code page on Windows, so the conversions go
// through char8_t, which both systems read as UTF-8.
inline std::filesystem::path pathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string utf8FromPath(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
}

}  // namespace kalvenor
