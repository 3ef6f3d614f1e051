#include "platform/headless/headless.h"

#include <string>

#include "platform/control_rules.h"
#include "platform/headless/control_table.h"
#include "platform/headless/window_state.h"

namespace kalvenor::platform::headless {

const MainWindowDesc& windowDesc(WindowHandle window) {
    return window->desc;
}

std::vector<ControlHandle> liveControls(WindowHandle window) {
    std::vector<ControlHandle> controls;
    controls.reserve(window->controls.size());
    for (const auto& [serial, control] : window->controls) {
        controls.push_back(control);
    }
    return controls;
}

bool isLive(WindowHandle window, ControlHandle control) {
    const ControlSlot* slot = ControlTable::instance().find(control);
    return window != nullptr && slot != nullptr && slot->window == window;
}

const ControlRecord& record(ControlHandle control) {
    return ControlTable::instance().at(control, "record").record;
}

void clearTextHistories(WindowHandle window) {
    for (const auto& [serial, control] : window->controls) {
        ControlTable::instance().at(control, "clearTextHistories").record.textHistory.clear();
    }
}

std::intptr_t click(ControlHandle control) {
    const ControlSlot& slot = ControlTable::instance().at(control, "click");
    const ControlRecord& target = slot.record;
    if (target.kind == ControlKind::TrackBar) {
        throw UsageError("click: a track bar is moved, not clicked");
    }
    if (!target.visible()) {
        throw UsageError("click: the control takes no room on the screen");
    }
    Window& window = *slot.window;
    const control_rules::ClickDispatch dispatch(window.pressedButton, control, target.kind);
    return window.proc(&window, message::Command, makeWParam(0, 0), toLParam(control));
}

std::intptr_t sendMenuCommand(WindowHandle window, int commandId) {
    if (commandId < 0 || commandId > 0xFFFF) {
        throw UsageError("sendMenuCommand: the id " + std::to_string(commandId) + " is not a 16-bit id");
    }
    return window->proc(window, message::Command, makeWParam(static_cast<std::uint16_t>(commandId), 0), 0);
}

void dragTrackBar(ControlHandle trackBar, int position) {
    const ControlSlot& slot = ControlTable::instance().at(trackBar, "dragTrackBar");
    if (slot.record.kind != ControlKind::TrackBar) {
        throw UsageError("dragTrackBar: the control is not a track bar");
    }
    setTrackBarPosition(trackBar, position);
    // The window procedure may tear the view down while handling a code: stop once it has.
    Window* window = slot.window;
    for (const int code : {trackbar::ThumbTrack, trackbar::ThumbPosition, trackbar::EndTrack}) {
        if (!isLive(window, trackBar)) {
            return;
        }
        sendTrackBarCode(trackBar, code);
    }
}

std::intptr_t sendTrackBarCode(ControlHandle trackBar, int code) {
    const ControlSlot& slot = ControlTable::instance().at(trackBar, "sendTrackBarCode");
    if (code < trackbar::LineUp || code > trackbar::EndTrack) {
        throw UsageError("sendTrackBarCode: no notification code " + std::to_string(code));
    }
    const bool carriesPosition = code == trackbar::ThumbTrack || code == trackbar::ThumbPosition;
    const auto position = static_cast<std::uint16_t>(carriesPosition ? slot.record.trackPosition : 0);
    Window& window = *slot.window;
    return window.proc(&window, message::HScroll, makeWParam(static_cast<std::uint16_t>(code), position),
                       toLParam(trackBar));
}

std::intptr_t sendMessage(WindowHandle window, unsigned message, WParam first, LParam second) {
    return window->proc(window, message, first, second);
}

void queueMessageBoxAnswer(WindowHandle window, MessageBoxResult answer) {
    window->boxAnswers.push_back(answer);
}

void queueFileDialogAnswer(WindowHandle window, std::optional<std::string> answer) {
    window->dialogAnswers.push_back(std::move(answer));
}

std::size_t pendingMessageBoxAnswers(WindowHandle window) {
    return window->boxAnswers.size();
}

std::size_t pendingFileDialogAnswers(WindowHandle window) {
    return window->dialogAnswers.size();
}

const std::deque<MessageBoxRecord>& messageBoxLog(WindowHandle window) {
    return window->boxLog;
}

const std::deque<FileDialogRecord>& fileDialogLog(WindowHandle window) {
    return window->dialogLog;
}

void setPromptObserver(WindowHandle window, PromptObserver observer) {
    window->observer = std::move(observer);
}

const std::optional<HelpWindowRecord>& lastHelpWindow(WindowHandle window) {
    return window->helpWindow;
}

const std::string& lastAnnouncement(WindowHandle window) {
    return window->announced;
}

std::optional<int> postedExitCode(WindowHandle window) {
    return window->exitCode;
}

}  // namespace kalvenor::platform::headless
