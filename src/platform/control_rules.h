#pragma once

// Rules that every backend keeps for its controls, written once: which controls are buttons, that
// a control of no size takes no room, and that a button is pressed only while its own click is
// being dispatched.

#include "platform/window_system.h"

namespace kalvenor::platform::control_rules {

// What buttonState() answers for the button whose click is being dispatched: the classic pushed bit.
inline constexpr int pushed = 0x0004;

constexpr bool isButton(ControlKind kind) {
    return kind == ControlKind::PushButton || kind == ControlKind::CellButton;
}

// A control of no width or no height exists and keeps its text, but takes no room and no click.
constexpr bool takesRoom(Rect rect) {
    return rect.width > 0 && rect.height > 0;
}

// Whether `button` is the one being clicked right now (`inDispatch`, null outside a click).
constexpr int buttonStateOf(ControlHandle button, ControlHandle inDispatch) {
    return button != nullptr && button == inDispatch ? pushed : 0;
}

// Holds `clicked` as the button in dispatch (null for a label) while a click's Command is sent, and
// puts back what was there however the dispatch ends: a menu command or a label click that follows
// never finds a button still pressed, not even after the procedure threw.
class ClickDispatch {
  public:
    ClickDispatch(ControlHandle& inDispatch, ControlHandle clicked, ControlKind kind)
        : inDispatch_(inDispatch), previous_(inDispatch) {
        inDispatch_ = isButton(kind) ? clicked : nullptr;
    }
    ~ClickDispatch() { inDispatch_ = previous_; }
    ClickDispatch(const ClickDispatch&) = delete;
    ClickDispatch& operator=(const ClickDispatch&) = delete;

  private:
    ControlHandle& inDispatch_;
    ControlHandle previous_;
};

}  // namespace kalvenor::platform::control_rules
