// The help window of the Windows build: a window of its own beside the main one, which does not
// block the game, holding the sections as one read-only text that scrolls. The pictures' rows are
// written with full-width characters in a fixed-pitch Japanese font, so that their columns line up.

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <algorithm>
#include <string>

#include "platform/win32/win32_backend.h"
#include "records/win32/wide_text.h"

namespace kalvenor::platform {
namespace {

constexpr wchar_t kHelpClassName[] = L"KalvenorHelp";
constexpr int kTextPixels = 15;     // at 96 dots an inch
constexpr int kColumnsOfText = 34;  // full-width characters a line holds before it wraps
constexpr int kLinesShown = 44;     // when the screen has room for them
constexpr UINT_PTR kEscapeClosesId = 1;

HWND helpWindow = nullptr;  // the one help window, while it is open

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

// The sections as the text of a multi-line edit control, which breaks lines at CR LF only.
std::wstring helpText(std::span<const HelpSection> sections) {
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
    std::wstring lines;
    for (const wchar_t character : win32::widen(text)) {
        if (character == L'\n') {
            lines += L'\r';
        }
        lines += character;
    }
    return lines;
}

// Escape closes the window, as it closes a box, even while the text has the keyboard.
LRESULT CALLBACK escapeCloses(HWND text, UINT message, WPARAM first, LPARAM second, UINT_PTR, DWORD_PTR) {
    if (message == WM_KEYDOWN && first == VK_ESCAPE) {
        PostMessageW(GetParent(text), WM_CLOSE, 0, 0);
        return 0;
    }
    return DefSubclassProc(text, message, first, second);
}

LRESULT CALLBACK helpWindowProc(HWND hwnd, UINT message, WPARAM first, LPARAM second) {
    switch (message) {
        case WM_SIZE:
            if (const HWND text = GetWindow(hwnd, GW_CHILD)) {
                MoveWindow(text, 0, 0, LOWORD(second), HIWORD(second), TRUE);
            }
            return 0;
        case WM_SETFOCUS:
            if (const HWND text = GetWindow(hwnd, GW_CHILD)) {
                SetFocus(text);
            }
            return 0;
        case WM_DESTROY:
            if (const HWND text = GetWindow(hwnd, GW_CHILD)) {
                RemoveWindowSubclass(text, &escapeCloses, kEscapeClosesId);
            }
            helpWindow = nullptr;
            return 0;
        default:
            return DefWindowProcW(hwnd, message, first, second);
    }
}

bool registerHelpClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &helpWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, L"MyIcon");
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kHelpClassName;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// A fixed-pitch Japanese font at the screen's scale, made once.
HFONT helpFont(HWND owner) {
    static HFONT font = nullptr;
    if (font == nullptr) {
        const HDC screen = GetDC(owner);
        const int pixels = MulDiv(kTextPixels, GetDeviceCaps(screen, LOGPIXELSY), 96);
        ReleaseDC(owner, screen);
        font = CreateFontW(-pixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                           FIXED_PITCH | FF_MODERN, L"MS Gothic");
    }
    return font;
}

// Beside the owner where the work area has room, else over its right edge; never taller than the
// work area.
RECT helpWindowPlace(HWND owner, HFONT font) {
    const HDC screen = GetDC(owner);
    const HGDIOBJ before = SelectObject(screen, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    SelectObject(screen, before);
    ReleaseDC(owner, screen);

    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT frame{0, 0, kColumnsOfText * 2 * metrics.tmAveCharWidth + GetSystemMetrics(SM_CXVSCROLL) + 8,
               kLinesShown * metrics.tmHeight};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    const LONG width = std::min(frame.right - frame.left, work.right - work.left);
    const LONG height = std::min(frame.bottom - frame.top, work.bottom - work.top);

    RECT ownerRect{};
    GetWindowRect(owner, &ownerRect);
    const LONG left = ownerRect.right + width <= work.right ? ownerRect.right : work.right - width;
    const LONG top = std::clamp(ownerRect.top, work.top, work.bottom - height);
    return {left, top, left + width, top + height};
}

}  // namespace

void showHelpWindow(WindowHandle owner, std::string_view title, std::span<const HelpSection> sections) {
    if (owner == nullptr || owner->hwnd == nullptr) {
        return;
    }
    if (helpWindow != nullptr) {
        ShowWindow(helpWindow, SW_RESTORE);
        SetForegroundWindow(helpWindow);
        return;
    }
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!registerHelpClass(instance)) {
        return;
    }
    const HFONT font = helpFont(owner->hwnd);
    const RECT place = helpWindowPlace(owner->hwnd, font);
    // Owned by the main window: it stays above it and closes with it.
    helpWindow = CreateWindowExW(0, kHelpClassName, win32::widen(title).c_str(), WS_OVERLAPPEDWINDOW,
                                 place.left, place.top, place.right - place.left, place.bottom - place.top,
                                 owner->hwnd, nullptr, instance, nullptr);
    if (helpWindow == nullptr) {
        return;
    }
    const HWND text =
        CreateWindowExW(0, L"EDIT", helpText(sections).c_str(),
                        WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0,
                        0, 0, 0, helpWindow, nullptr, instance, nullptr);
    SendMessageW(text, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SetWindowSubclass(text, &escapeCloses, kEscapeClosesId, 0);
    RECT client{};
    GetClientRect(helpWindow, &client);
    MoveWindow(text, 0, 0, client.right, client.bottom, FALSE);
    ShowWindow(helpWindow, SW_SHOWNORMAL);
    SetFocus(text);
}

}  // namespace kalvenor::platform
