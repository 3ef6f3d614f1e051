#pragma once

// UTF-8 inside the program, UTF-16 at the Windows API.

#include <string>
#include <string_view>

namespace kalvenor::win32 {

// Input that is not UTF-8 (or not UTF-16) converts with U+FFFD in place of the bad sequence:
// these texts go to the screen, where a visible mark is better than nothing.
std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

// The system's own sentence for an error code of GetLastError(), without its trailing line end.
std::string systemMessage(unsigned long errorCode);

}  // namespace kalvenor::win32
