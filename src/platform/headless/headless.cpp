#include "platform/headless/headless.h"

#include <string>

#include "platform/headless/window_state.h"

namespace kalvenor::platform::headless {

namespace {

// A guard that leaves no button pressed once a click's dispatch ends, also by an exception.
class PressedDuringDispatch {
  public:
    PressedDuringDispatch(Window& window, const Control* button)
        : window_(window), previous_(window.pressedButton) {
        window_.pressedButton = button;
    }
    ~PressedDuringDispatch() { window_.pressedButton = previous_; }
    PressedDuringDispatch(const PressedDuringDispatch&) = delete;
    PressedDuringDispatch& operator=(const PressedDuringDispatch&) = delete;

  private:
    Window& window_;
    const Control* previous_;
};

// A destroyed control's object must not be read (the sanitizer watches it), so only a null handle
// can be caught here; callers that may hold stale handles ask isLive(window, control) first.
void requireControl(ControlHandle control, const char* action) {
    if (control == nullptr) {
        throw UsageError(std::string(action) + ": no control");
    }
}

}  // namespace

const MainWindowDesc& windowDesc(WindowHandle window) {
    return window->desc;
}

const std::deque<ControlRecord>& controlRecords(WindowHandle window) {
    return window->records;
}

std::vector<ControlHandle> liveControls(WindowHandle window) {
    std::vector<ControlHandle> controls;
    controls.reserve(window->liveSerials.size());
    for (std::size_t serial = 0; serial < window->handles.size(); ++serial) {
        if (!window->records[serial].destroyed) {
            controls.push_back(window->handles[serial].get());
        }
    }
    return controls;
}

bool isLive(WindowHandle window, ControlHandle control) {
    return window != nullptr && window->liveSerials.contains(control);
}

const ControlRecord& record(ControlHandle control) {
    requireControl(control, "record");
    return control->window->records[static_cast<std::size_t>(control->serial)];
}

void clearTextHistories(WindowHandle window) {
    for (ControlRecord& control : window->records) {
        control.textHistory.clear();
    }
}

std::intptr_t click(ControlHandle control) {
    requireControl(control, "click");
    const ControlRecord& target = record(control);
    if (target.kind == ControlKind::TrackBar) {
        throw UsageError("click: a track bar is moved, not clicked");
    }
    if (!target.visible()) {
        throw UsageError("click: the control takes no room on the screen");
    }
    Window& window = *control->window;
    const PressedDuringDispatch pressed(window, target.kind == ControlKind::PushButton ? control : nullptr);
    return window.proc(&window, message::Command, makeWParam(0, 0), toLParam(control));
}

std::intptr_t sendMenuCommand(WindowHandle window, int commandId) {
    if (commandId < 0 || commandId > 0xFFFF) {
        throw UsageError("sendMenuCommand: the id " + std::to_string(commandId) + " is not a 16-bit id");
    }
    return window->proc(window, message::Command, makeWParam(static_cast<std::uint16_t>(commandId), 0), 0);
}

void dragTrackBar(ControlHandle trackBar, int position) {
    requireControl(trackBar, "dragTrackBar");
    if (record(trackBar).kind != ControlKind::TrackBar) {
        throw UsageError("dragTrackBar: the control is not a track bar");
    }
    setTrackBarPosition(trackBar, position);
    // The window procedure may tear the view down while handling a code: stop once it has.
    Window* window = trackBar->window;
    for (const int code : {trackbar::ThumbTrack, trackbar::ThumbPosition, trackbar::EndTrack}) {
        if (!isLive(window, trackBar)) {
            return;
        }
        sendTrackBarCode(trackBar, code);
    }
}

std::intptr_t sendTrackBarCode(ControlHandle trackBar, int code) {
    requireControl(trackBar, "sendTrackBarCode");
    if (code < trackbar::LineUp || code > trackbar::EndTrack) {
        throw UsageError("sendTrackBarCode: no notification code " + std::to_string(code));
    }
    const bool carriesPosition = code == trackbar::ThumbTrack || code == trackbar::ThumbPosition;
    const auto position = static_cast<std::uint16_t>(carriesPosition ? trackBarPosition(trackBar) : 0);
    Window& window = *trackBar->window;
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

const std::vector<MessageBoxRecord>& messageBoxLog(WindowHandle window) {
    return window->boxLog;
}

const std::vector<FileDialogRecord>& fileDialogLog(WindowHandle window) {
    return window->dialogLog;
}

void setPromptObserver(WindowHandle window, PromptObserver observer) {
    window->observer = std::move(observer);
}

std::optional<int> postedExitCode(WindowHandle window) {
    return window->exitCode;
}

}  // namespace kalvenor::platform::headless
