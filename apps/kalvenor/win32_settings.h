#pragma once

// The Windows program's settings file, %APPDATA%\Kalvenor\kalvenor.ini: desktop_settings.h's keys
// ("group/setting") are its sections and keys, and it gets the care of the Linux file
// (settings_file.h). A value that is missing or not one we know counts as never stored. Beside the
// choices that both systems remember, Windows keeps the window's place and whether it was maximised here.

#include <windows.h>

#include <optional>

namespace kalvenor::win32_settings {

std::optional<RECT> storedWindowPlace();
void storeWindowPlace(const RECT& place);
// Whether the window closed maximised: false unless stored so.
bool storedWindowMaximised();
void storeWindowMaximised(bool maximised);

}  // namespace kalvenor::win32_settings
