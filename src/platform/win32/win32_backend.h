#pragma once

// What the Win32 backend keeps behind the opaque handles of the window-system layer. Private to
// src/platform/win32.

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/layout_fit.h"
#include "platform/window_system.h"

namespace kalvenor::platform {

struct Control {
    Window* owner = nullptr;
    ControlKind kind = ControlKind::LeftLabel;
    HWND hwnd = nullptr;
    std::string text;  // exactly as last set, so controlText() round-trips any bytes
    CellHighlight highlight{};
    std::string accessibleName;  // as last given to the system's accessibility
    std::string accessibleDescription;
    Rect layoutRect;       // on the window's canvas; the screen shows it scaled
    HFONT font = nullptr;  // as last set
    bool link = false;     // a label that looks and acts like a link
    std::wstring tooltip;  // a link's tooltip, kept for the tooltip control that points at it
};

// A menu item with a check mark that follows the state (set whenever its menu opens).
struct CheckedMenuItem {
    HMENU menu = nullptr;
    UINT commandId = 0;
    std::function<bool()> isChecked;
};

// What the menu data gives beyond the menu itself: the shortcut keys and the check marks.
struct MenuExtras {
    std::vector<ACCEL> accelerators;
    std::vector<CheckedMenuItem> checkedItems;
};

struct Window {
    HWND hwnd = nullptr;  // null once the system has destroyed the window
    WindowProc proc = nullptr;
    void* userData = nullptr;
    HACCEL accelerators = nullptr;
    HWND tooltips = nullptr;      // created with the first link label
    HWND announcement = nullptr;  // the live region that announce() writes, made with its first text
    std::vector<CheckedMenuItem> checkedItems;
    std::vector<std::unique_ptr<Control>> controls;
    std::optional<RECT> placeAtClose;  // the normal place, kept as the window goes
    bool maximisedAtClose = false;
    int showAtStart = SW_SHOWDEFAULT;  // how runEventLoop shows the window
    Size classicWindowSize;            // outside, at 96 dots per inch: the window's largest opening size
    Size canvas = classicClientSize;   // what the controls' rectangles are laid out on
    LayoutFit fit;                     // of the canvas into the client area

    // The button whose click is being dispatched right now; buttonState() is non-zero for it alone.
    Control* buttonInDispatch = nullptr;
    // The one cell button that takes the keyboard focus (a tab stop).
    Control* cursorCell = nullptr;
    bool destroySent = false;
    std::optional<int> quitCode;

    std::intptr_t send(unsigned message, WParam first, LParam second) {
        return proc(this, message, first, second);
    }
    // Sends Destroy once, whichever of WM_DESTROY and destroyMainWindow comes first.
    void sendDestroyOnce() {
        if (!destroySent) {
            destroySent = true;
            send(message::Destroy, 0, 0);
        }
    }
    // The control behind a child window of this window, or null for any other window.
    Control* controlOf(HWND child) const;
};

// The window procedure's handling of a child's notification (controls.cpp).
void dispatchControlCommand(Window& window, Control& control, WORD notification);

// The keyboard as the desktop's controls take it, before the message is dispatched: Tab and
// Shift+Tab move the focus between the tab stops, Return and Space click the focused button, and
// the board's keys (those pressed on the cursor cell, or with no control focused) go to the
// window procedure as KeyDown. True when the message has been handled (keyboard.cpp).
bool handleKeyboard(Window& window, const MSG& message);

// Gives the system's accessibility the name and description of a control beside its window text
// (accessible_text.cpp); nothing where the system offers no such annotation.
void annotateAccessibleText(HWND control, std::string_view name, std::string_view description);
// Makes a control a polite live region: a screen reader says its new text when told that it
// changed (accessible_text.cpp); nothing where the system offers no such annotation.
void markLiveRegion(HWND control);

// Puts a control at its layout rectangle as the window's fit places it, with the font for that
// factor; the second fits the canvas into the client area again and places every control.
void placeControl(Control& control);
void placeAllControls(Window& window);

// Draws an owner-drawn cell button (WM_DRAWITEM).
void paintCellButton(const Control& cell, const DRAWITEMSTRUCT& item);

// The menu bar built from the shared menu data; command ids as the items carry them. A shortcut
// is shown after a tab in the item's text and bound through an accelerator.
HMENU buildMenuBar(const std::vector<MenuItem>& items, MenuExtras& extras);
// Sets the check marks of the items in `menu` from the state.
void updateCheckMarks(const Window& window, HMENU menu);

// The fonts of the child controls: one that writes Japanese at the layout's factor (never below a
// legible size), and a larger one for the stones on the small cell buttons. Each is created once
// per size and kept for the life of the process.
HFONT controlFont(double factor, bool underline = false);  // underlined for a link
HFONT cellFont(int layoutHeight, double factor);

}  // namespace kalvenor::platform
