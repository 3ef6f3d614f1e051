// The help window of the Windows build: the sections as one text in a message box owned by the
// main window, each picture's rows drawn with the stone characters.

#include <windows.h>

#include <string>

#include "platform/win32/win32_backend.h"
#include "records/win32/wide_text.h"

namespace kalvenor::platform {
namespace {

// One picture cell as a character of the text.
std::string_view cellText(char mark) {
    switch (mark) {
        case 'X':
            return "●";
        case 'O':
            return "○";
        case 'w':
            return "★";
        case 'b':
            return "▲";
        case 'v':
            return "↓";
        default:
            return "・";
    }
}

}  // namespace

void showHelpWindow(WindowHandle owner, std::string_view title, std::span<const HelpSection> sections) {
    if (owner == nullptr) {
        return;
    }
    std::string text;
    for (const HelpSection& section : sections) {
        text += "【" + section.heading + "】\n" + section.text + "\n";
        for (const HelpPicture& picture : section.pictures) {
            for (const std::string& row : picture.rows) {
                for (const char mark : row) {
                    text += cellText(mark);
                }
                text += '\n';
            }
            text += "（" + picture.caption + "）\n";
        }
        text += '\n';
    }
    MessageBoxW(owner->hwnd, win32::widen(text).c_str(), win32::widen(title).c_str(),
                MB_OK | MB_ICONINFORMATION);
}

}  // namespace kalvenor::platform
