#include "win32_settings.h"

#include <cstdio>
#include <string>
#include <utility>

#include "desktop_settings.h"
#include "records/win32/wide_text.h"

namespace kalvenor {

namespace {

// %APPDATA%\Kalvenor\kalvenor.ini, the folder made on the way; empty without an application data folder.
std::wstring settingsFile() {
    wchar_t folder[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"APPDATA", folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return {};
    }
    const std::wstring ours = std::wstring(folder) + L"\\Kalvenor";
    CreateDirectoryW(ours.c_str(), nullptr);  // there already, or made now
    return ours + L"\\kalvenor.ini";
}

// "group/setting" as the file's section and key.
std::pair<std::wstring, std::wstring> sectionAndKey(std::string_view key) {
    const std::size_t slash = key.find('/');
    return {win32::widen(key.substr(0, slash)),
            win32::widen(slash == std::string_view::npos ? key : key.substr(slash + 1))};
}

constexpr std::string_view kWindowPlaceKey = "window/place";
constexpr std::string_view kMaximisedKey = "window/maximised";

}  // namespace

std::string desktopSetting(std::string_view key, std::string_view fallback) {
    const std::wstring file = settingsFile();
    if (file.empty()) {
        return std::string(fallback);
    }
    const auto [section, name] = sectionAndKey(key);
    wchar_t value[128] = L"";
    GetPrivateProfileStringW(section.c_str(), name.c_str(), win32::widen(fallback).c_str(), value, 128,
                             file.c_str());
    return win32::narrow(value);
}

void storeDesktopSetting(std::string_view key, std::string_view value) {
    const std::wstring file = settingsFile();
    if (!file.empty()) {
        const auto [section, name] = sectionAndKey(key);
        WritePrivateProfileStringW(section.c_str(), name.c_str(), win32::widen(value).c_str(), file.c_str());
    }
}

std::optional<RECT> win32_settings::storedWindowPlace() {
    const std::string text = desktopSetting(kWindowPlaceKey, "");
    RECT place{};
    char rest = 0;
    if (std::sscanf(text.c_str(), "%ld %ld %ld %ld%c", &place.left, &place.top, &place.right, &place.bottom,
                    &rest) != 4 ||
        place.right <= place.left || place.bottom <= place.top) {
        return std::nullopt;
    }
    return place;
}

void win32_settings::storeWindowPlace(const RECT& place) {
    storeDesktopSetting(kWindowPlaceKey, std::to_string(place.left) + " " + std::to_string(place.top) + " " +
                                             std::to_string(place.right) + " " +
                                             std::to_string(place.bottom));
}

bool win32_settings::storedWindowMaximised() {
    return desktopSetting(kMaximisedKey, "false") == "true";
}

void win32_settings::storeWindowMaximised(bool maximised) {
    storeDesktopSetting(kMaximisedKey, maximised ? "true" : "false");
}

}  // namespace kalvenor
