#include "win32_settings.h"

#include <cstdio>
#include <string>

namespace kalvenor::win32_settings {

namespace {

constexpr wchar_t kDisplay[] = L"display";
constexpr wchar_t kWindow[] = L"window";

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

std::wstring read(const wchar_t* section, const wchar_t* key) {
    const std::wstring file = settingsFile();
    wchar_t value[128] = L"";
    if (!file.empty()) {
        GetPrivateProfileStringW(section, key, L"", value, 128, file.c_str());
    }
    return value;
}

void write(const wchar_t* section, const wchar_t* key, const std::wstring& value) {
    const std::wstring file = settingsFile();
    if (!file.empty()) {
        WritePrivateProfileStringW(section, key, value.c_str(), file.c_str());
    }
}

}  // namespace

BoardLayout storedBoardLayout() {
    return read(kDisplay, L"largeBoard") == L"false" ? BoardLayout::Classic : BoardLayout::Large;
}

void storeBoardLayout(BoardLayout layout) {
    write(kDisplay, L"largeBoard", layout == BoardLayout::Large ? L"true" : L"false");
}

Session::Options storedOptions() {
    return {.threatMarks = read(kDisplay, L"threatMarks") != L"false",
            .followPlay = read(kDisplay, L"followPlay") != L"false"};
}

void storeOptions(const Session::Options& options) {
    write(kDisplay, L"threatMarks", options.threatMarks ? L"true" : L"false");
    write(kDisplay, L"followPlay", options.followPlay ? L"true" : L"false");
}

std::optional<RECT> storedWindowPlace() {
    const std::wstring text = read(kWindow, L"place");
    RECT place{};
    wchar_t rest = 0;
    if (std::swscanf(text.c_str(), L"%ld %ld %ld %ld%lc", &place.left, &place.top, &place.right,
                     &place.bottom, &rest) != 4 ||
        place.right <= place.left || place.bottom <= place.top) {
        return std::nullopt;
    }
    return place;
}

void storeWindowPlace(const RECT& place) {
    write(kWindow, L"place",
          std::to_wstring(place.left) + L" " + std::to_wstring(place.top) + L" " +
              std::to_wstring(place.right) + L" " + std::to_wstring(place.bottom));
}

}  // namespace kalvenor::win32_settings
