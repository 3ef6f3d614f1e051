#include "win32_settings.h"

#include <cstdio>
#include <filesystem>
#include <string>

#include "desktop_settings.h"
#include "settings_file.h"

namespace kalvenor {

namespace {

// %APPDATA%\Kalvenor\kalvenor.ini, with the care of the Linux file (settings_file.h); without an
// application data folder, a file that is never found. Its failures are said once per run.
SettingsFile& settingsFile() {
    static SettingsFile file(
        [] {
            wchar_t folder[MAX_PATH];
            const DWORD length = GetEnvironmentVariableW(L"APPDATA", folder, MAX_PATH);
            return length == 0 || length >= MAX_PATH
                       ? std::filesystem::path()
                       : std::filesystem::path(folder) / L"Kalvenor" / L"kalvenor.ini";
        }(),
        [](const std::string& message) { std::fprintf(stderr, "kalvenor: %s\n", message.c_str()); });
    return file;
}

constexpr std::string_view kWindowPlaceKey = "window/place";
constexpr std::string_view kMaximisedKey = "window/maximised";

}  // namespace

std::string desktopSetting(std::string_view key, std::string_view fallback) {
    return settingsFile().path().empty() ? std::string(fallback) : settingsFile().value(key, fallback);
}

void storeDesktopSetting(std::string_view key, std::string_view value) {
    if (!settingsFile().path().empty()) {
        settingsFile().store(key, value);
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
