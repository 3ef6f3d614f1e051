// The keyboard of the main window. The window is no dialog, so the message loop does what the
// dialog manager would: Tab between the tab stops, Return and Space on buttons; and it hands the
// board's keys to the window procedure.

#include <windows.h>

#include "platform/control_rules.h"
#include "platform/win32/win32_backend.h"

namespace kalvenor::platform {
namespace {

bool isButton(const Control* control) {
    return control != nullptr && control_rules::isButton(control->kind);
}

// From now on the window shows its focus frames (the system hides them until the keyboard is used).
void showKeyboardCues(HWND window) {
    SendMessageW(window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

}  // namespace

bool handleKeyboard(Window& window, const MSG& message) {
    if (message.message != WM_KEYDOWN) {
        return false;
    }
    const bool ours = message.hwnd == window.hwnd || GetParent(message.hwnd) == window.hwnd;
    if (!ours) {
        return false;
    }
    Control* const focused = window.controlOf(message.hwnd);
    const auto pressed = static_cast<int>(message.wParam);
    const bool commandKeys = GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
    if (commandKeys) {
        return false;
    }
    if (pressed == VK_TAB) {
        showKeyboardCues(window.hwnd);
        const bool backwards = GetKeyState(VK_SHIFT) < 0;
        const HWND from = focused != nullptr ? message.hwnd : nullptr;
        if (const HWND next = GetNextDlgTabItem(window.hwnd, from, backwards ? TRUE : FALSE)) {
            SetFocus(next);
        }
        return true;
    }
    if (isButton(focused) && (pressed == VK_RETURN || pressed == VK_SPACE)) {
        showKeyboardCues(window.hwnd);
        if ((message.lParam & (1 << 30)) == 0) {  // not the key's repeat
            SendMessageW(message.hwnd, BM_CLICK, 0, 0);
        }
        return true;
    }
    const bool onBoard = focused == nullptr || focused == window.cursorCell;
    if (!onBoard) {
        return false;  // a track bar or a button takes its own keys
    }
    showKeyboardCues(window.hwnd);
    window.send(message::KeyDown, static_cast<WParam>(pressed), toLParam(focused));
    return true;
}

}  // namespace kalvenor::platform
