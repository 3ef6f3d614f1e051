// The keyboard of the headless backend: the focus moves and the focused control takes its keys as
// the desktop's controls do; every other key goes to the window procedure.

#include <algorithm>
#include <iterator>
#include <vector>

#include "platform/control_rules.h"
#include "platform/headless/control_table.h"
#include "platform/headless/headless.h"
#include "platform/headless/window_state.h"

namespace kalvenor::platform::headless {

namespace {

bool takesFocus(const Window& window, ControlHandle control) {
    const ControlRecord& shown = record(control);
    if (!shown.visible()) {
        return false;
    }
    switch (shown.kind) {
        case ControlKind::PushButton:
        case ControlKind::TrackBar:
            return true;
        case ControlKind::CellButton:
            return control == window.cursorCell;
        case ControlKind::LeftLabel:
        case ControlKind::CentredLabel:
            break;
    }
    return false;
}

// The next control that takes the focus after the focused one (before it with `backwards`),
// going round; the first (last) one when nothing has the focus.
ControlHandle nextInTabOrder(const Window& window, bool backwards) {
    std::vector<ControlHandle> order;
    for (const auto& [serial, control] : window.controls) {
        if (takesFocus(window, control)) {
            order.push_back(control);
        }
    }
    if (order.empty()) {
        return window.focused;
    }
    if (backwards) {
        std::reverse(order.begin(), order.end());
    }
    const auto current = std::find(order.begin(), order.end(), window.focused);
    if (current == order.end() || std::next(current) == order.end()) {
        return order.front();
    }
    return *std::next(current);
}

// The track bar's own keys; false for a key it does not take.
bool stepTrackBar(ControlHandle trackBar, int pressed) {
    const ControlRecord& bar = record(trackBar);
    int position = bar.trackPosition;
    int code = 0;
    switch (pressed) {
        case key::Left:
        case key::Up:
            position -= 1;
            code = trackbar::LineUp;
            break;
        case key::Right:
        case key::Down:
            position += 1;
            code = trackbar::LineDown;
            break;
        case key::PageUp:
            position -= 1;
            code = trackbar::PageUp;
            break;
        case key::PageDown:
            position += 1;
            code = trackbar::PageDown;
            break;
        case key::Home:
            position = bar.trackMinimum;
            code = trackbar::Top;
            break;
        case key::End:
            position = bar.trackMaximum;
            code = trackbar::Bottom;
            break;
        default:
            return false;
    }
    setTrackBarPosition(trackBar, position);
    const ControlSlot& slot = ControlTable::instance().at(trackBar, "pressKey");
    Window* window = slot.window;
    sendTrackBarCode(trackBar, code);
    if (isLive(window, trackBar)) {
        sendTrackBarCode(trackBar, trackbar::EndTrack);
    }
    return true;
}

}  // namespace

void pressKey(WindowHandle window, int pressed, bool shift) {
    if (pressed == key::Tab) {
        window->focused = nextInTabOrder(*window, shift);
        return;
    }
    const ControlHandle focused = window->focused;
    if (focused != nullptr) {
        const ControlKind kind = record(focused).kind;
        if (control_rules::isButton(kind) && (pressed == key::Return || pressed == key::Space)) {
            click(focused);
            return;
        }
        if (kind == ControlKind::TrackBar && stepTrackBar(focused, pressed)) {
            return;
        }
    }
    window->proc(window, message::KeyDown, static_cast<WParam>(pressed), toLParam(focused));
}

ControlHandle focusedControl(WindowHandle window) {
    return window->focused;
}

}  // namespace kalvenor::platform::headless
