// Child controls of the main window: the classes and styles of the classic program.

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "platform/control_rules.h"
#include "platform/win32/win32_backend.h"
#include "records/win32/wide_text.h"

namespace kalvenor::platform {
namespace {

struct ControlClass {
    const wchar_t* name;
    DWORD style;  // visible included; dropped for a control of no size
};

ControlClass classOf(ControlKind kind) {
    constexpr DWORD label = WS_CHILD | WS_VISIBLE | WS_BORDER | SS_NOTIFY | SS_CENTERIMAGE;  // 0x50800300
    switch (kind) {
        case ControlKind::LeftLabel:
            return {L"STATIC", label};
        case ControlKind::CentredLabel:
            return {L"STATIC", label | SS_CENTER};  // 0x50800301
        case ControlKind::PushButton:
            // 0x50000000, and a tab stop for the keyboard
            return {L"BUTTON", WS_CHILD | WS_VISIBLE | WS_TABSTOP};
        case ControlKind::CellButton:
            // drawn by paintCellButton; the cursor's cell alone becomes a tab stop
            return {L"BUTTON", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW};
        case ControlKind::TrackBar:
            return {TRACKBAR_CLASSW, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | TBS_AUTOTICKS |
                                         TBS_TOP | TBS_TOOLTIPS | TBS_REVERSED};
    }
    return {L"STATIC", label};
}

// The font for the control's kind at its height on the canvas and the window's factor; sent only
// when it differs from the one the control has.
void setFontFor(Control& control, BOOL redraw) {
    const bool button = control_rules::isButton(control.kind);
    const double factor = control.owner->fit.factor;
    const HFONT font =
        button ? cellFont(control.layoutRect.height, factor) : controlFont(factor, control.link);
    if (font != control.font) {
        control.font = font;
        SendMessageW(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
    }
}

bool isTrackBar(ControlHandle control) {
    return control != nullptr && control->kind == ControlKind::TrackBar && control->hwnd != nullptr;
}

}  // namespace

void dispatchControlCommand(Window& window, Control& control, WORD notification) {
    if (control_rules::isButton(control.kind)) {
        if (notification == BN_CLICKED) {
            const control_rules::ClickDispatch dispatch(window.buttonInDispatch, &control, control.kind);
            window.send(message::Command, makeWParam(0, BN_CLICKED), toLParam(&control));
        }
        return;
    }
    // Labels with SS_NOTIFY: a click (0) and a double click (1).
    if (notification == STN_CLICKED || notification == STN_DBLCLK) {
        window.send(message::Command, makeWParam(0, notification), toLParam(&control));
    }
}

ControlHandle createControl(WindowHandle parent, ControlKind kind, std::string_view text, Rect rect) {
    if (parent == nullptr || parent->hwnd == nullptr) {
        return nullptr;
    }
    auto control = std::make_unique<Control>();
    control->owner = parent;
    control->kind = kind;
    control->text = text;

    // Created where the layout puts it, with the font for the factor.
    ControlClass controlClass = classOf(kind);
    if (!control_rules::takesRoom(rect)) {
        controlClass.style &= ~WS_VISIBLE;
    }
    const Rect placed = scaledRect(rect, parent->fit);
    const HWND hwnd =
        CreateWindowExW(0, controlClass.name, win32::widen(text).c_str(), controlClass.style, placed.x,
                        placed.y, std::max(0, placed.width), std::max(0, placed.height), parent->hwnd,
                        nullptr, GetModuleHandleW(nullptr), nullptr);
    if (hwnd == nullptr) {
        return nullptr;
    }
    control->hwnd = hwnd;
    control->layoutRect = rect;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control.get()));
    setFontFor(*control, FALSE);

    parent->controls.push_back(std::move(control));
    return parent->controls.back().get();
}

void placeControl(Control& control) {
    if (control.hwnd == nullptr) {
        return;
    }
    const Rect rect = scaledRect(control.layoutRect, control.owner->fit);
    const bool visible = control_rules::takesRoom(control.layoutRect);
    SetWindowPos(control.hwnd, nullptr, rect.x, rect.y, std::max(0, rect.width), std::max(0, rect.height),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | (visible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    setFontFor(control, TRUE);
}

void placeAllControls(Window& window) {
    if (window.hwnd == nullptr) {
        return;
    }
    RECT client{};
    GetClientRect(window.hwnd, &client);
    window.fit = fitLayout(window.canvas, {client.right - client.left, client.bottom - client.top});
    for (const std::unique_ptr<Control>& control : window.controls) {
        placeControl(*control);
    }
    // Moved without drawing: the whole client area is drawn once, controls and grey between them.
    RedrawWindow(window.hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void moveControl(ControlHandle control, Rect rect) {
    if (control != nullptr) {
        control->layoutRect = rect;
        placeControl(*control);
        if (control->hwnd != nullptr) {
            RedrawWindow(control->owner->hwnd, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        }
    }
}

void setLayoutCanvas(WindowHandle window, Size canvas) {
    if (window != nullptr && window->canvas != canvas) {
        window->canvas = canvas;
        placeAllControls(*window);
    }
}

Size layoutCanvas(WindowHandle window) {
    return window != nullptr ? window->canvas : Size{};
}

void destroyControl(ControlHandle control) {
    if (control == nullptr) {
        return;
    }
    Window& owner = *control->owner;
    if (owner.buttonInDispatch == control) {
        owner.buttonInDispatch = nullptr;  // a later control at the same address is not pressed
    }
    if (owner.cursorCell == control) {
        owner.cursorCell = nullptr;
    }
    if (control->hwnd != nullptr) {
        SetWindowLongPtrW(control->hwnd, GWLP_USERDATA, 0);
        DestroyWindow(control->hwnd);
    }
    std::erase_if(owner.controls,
                  [control](const std::unique_ptr<Control>& held) { return held.get() == control; });
}

void setControlText(ControlHandle control, std::string_view text) {
    if (control == nullptr || control->text == text) {
        return;
    }
    control->text = text;
    if (control->hwnd != nullptr) {
        SetWindowTextW(control->hwnd, win32::widen(text).c_str());
        if (control->kind == ControlKind::CellButton) {
            InvalidateRect(control->hwnd, nullptr, FALSE);
        }
    }
}

std::string controlText(ControlHandle control) {
    return control != nullptr ? control->text : std::string();
}

int buttonState(ControlHandle button) {
    // Departure from BM_GETSTATE: the system's state would also report the button that merely
    // has the keyboard focus, and a menu command would then repeat its last click.
    return button != nullptr ? control_rules::buttonStateOf(button, button->owner->buttonInDispatch) : 0;
}

void setCellHighlight(ControlHandle cellButton, CellHighlight highlight) {
    if (cellButton == nullptr || cellButton->kind != ControlKind::CellButton ||
        cellButton->highlight == highlight) {
        return;
    }
    cellButton->highlight = highlight;
    if (cellButton->hwnd != nullptr) {
        InvalidateRect(cellButton->hwnd, nullptr, FALSE);
    }
}

void setCellCursor(ControlHandle cellButton) {
    if (cellButton == nullptr || cellButton->kind != ControlKind::CellButton || cellButton->hwnd == nullptr) {
        return;
    }
    Window& owner = *cellButton->owner;
    Control* const previous = std::exchange(owner.cursorCell, cellButton);
    const HWND focus = GetFocus();
    const bool takesFocus = focus == nullptr || focus == owner.hwnd || !IsWindowVisible(focus) ||
                            (previous != nullptr && focus == previous->hwnd);
    const auto setTabStop = [](HWND hwnd, bool on) {
        const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
        SetWindowLongPtrW(hwnd, GWL_STYLE,
                          on ? style | WS_TABSTOP : style & ~static_cast<LONG_PTR>(WS_TABSTOP));
    };
    if (previous != nullptr && previous != cellButton && previous->hwnd != nullptr) {
        setTabStop(previous->hwnd, false);
    }
    setTabStop(cellButton->hwnd, true);
    if (takesFocus) {
        SetFocus(cellButton->hwnd);
    }
}

void setAccessibleText(ControlHandle control, std::string_view name, std::string_view description) {
    if (control == nullptr || control->hwnd == nullptr ||
        (control->accessibleName == name && control->accessibleDescription == description)) {
        return;
    }
    control->accessibleName = name;
    control->accessibleDescription = description;
    annotateAccessibleText(control->hwnd, name, description);
}

void setControlEnabled(ControlHandle control, bool enabled) {
    if (control != nullptr && control->hwnd != nullptr) {
        EnableWindow(control->hwnd, enabled ? TRUE : FALSE);
    }
}

void setLabelLink(ControlHandle label, std::string_view tooltip) {
    if (label == nullptr || label->hwnd == nullptr ||
        (label->kind != ControlKind::LeftLabel && label->kind != ControlKind::CentredLabel)) {
        return;
    }
    // The hand cursor and the link colour come from the main window (WM_SETCURSOR,
    // WM_CTLCOLORSTATIC); the underline from the font.
    const bool registered = std::exchange(label->link, true);
    label->tooltip = win32::widen(tooltip);
    setFontFor(*label, TRUE);
    Window& window = *label->owner;
    if (window.tooltips == nullptr) {
        window.tooltips = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                          window.hwnd, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window.hwnd;
    tool.uId = reinterpret_cast<UINT_PTR>(label->hwnd);
    tool.lpszText = label->tooltip.data();
    // Set again (the language changed): the tool keeps its place and takes the new text.
    SendMessageW(window.tooltips, registered ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW, 0,
                 reinterpret_cast<LPARAM>(&tool));
}

void setTrackBarMarks(ControlHandle trackBar, std::uint32_t positions) {
    // The marked positions become the track bar's tick marks; unmarked bars keep a tick per step.
    if (!isTrackBar(trackBar)) {
        return;
    }
    SendMessageW(trackBar->hwnd, TBM_CLEARTICS, FALSE, 0);
    const int minimum = static_cast<int>(SendMessageW(trackBar->hwnd, TBM_GETRANGEMIN, 0, 0));
    const int maximum = static_cast<int>(SendMessageW(trackBar->hwnd, TBM_GETRANGEMAX, 0, 0));
    for (int position = minimum + 1; position < maximum && position < 32; ++position) {
        if (positions == 0 || (positions >> position & 1U) != 0) {
            SendMessageW(trackBar->hwnd, TBM_SETTIC, 0, position);
        }
    }
    InvalidateRect(trackBar->hwnd, nullptr, TRUE);
}

void setTrackBarRange(ControlHandle trackBar, int minimum, int maximum) {
    if (isTrackBar(trackBar)) {
        SendMessageW(trackBar->hwnd, TBM_SETRANGE, TRUE, MAKELPARAM(minimum, maximum));
    }
}

void setTrackBarPosition(ControlHandle trackBar, int position) {
    if (isTrackBar(trackBar)) {
        SendMessageW(trackBar->hwnd, TBM_SETPOS, TRUE, position);
    }
}

int trackBarPosition(ControlHandle trackBar) {
    return isTrackBar(trackBar) ? static_cast<int>(SendMessageW(trackBar->hwnd, TBM_GETPOS, 0, 0)) : 0;
}

}  // namespace kalvenor::platform
