// The window-system layer without a screen: windows and controls are plain records, and every
// event is a direct call of the window procedure.

#include "platform/window_system.h"

#include <sanitizer/asan_interface.h>

#include <algorithm>
#include <memory>

#include "platform/headless/window_state.h"

namespace kalvenor::platform {

namespace {

headless::ControlRecord& recordOf(ControlHandle control) {
    return control->window->records[static_cast<std::size_t>(control->serial)];
}

}  // namespace

Window::~Window() {
    for (const auto& handle : handles) {
        ASAN_UNPOISON_MEMORY_REGION(handle.get(), sizeof(Control));
    }
}

WindowHandle createMainWindow(const MainWindowDesc& desc, WindowProc proc, void* userData) {
    if (proc == nullptr) {
        return nullptr;
    }
    auto window = std::make_unique<Window>();
    window->desc = desc;
    window->proc = proc;
    window->userData = userData;
    // As the classic API: a Create answered with -1 refuses the window.
    if (proc(window.get(), message::Create, 0, 0) == -1) {
        return nullptr;
    }
    return window.release();
}

void destroyMainWindow(WindowHandle window) {
    if (window == nullptr) {
        return;
    }
    const std::unique_ptr<Window> owned(window);
    window->proc(window, message::Destroy, 0, 0);
}

void* windowUserData(WindowHandle window) {
    return window->userData;
}

ControlHandle createControl(WindowHandle parent, ControlKind kind, std::string_view text, Rect rect) {
    const int serial = static_cast<int>(parent->records.size());
    headless::ControlRecord& record = parent->records.emplace_back();
    record.serial = serial;
    record.kind = kind;
    record.rect = rect;
    record.text = std::string(text);
    record.textHistory.emplace_back(text);
    auto& handle = parent->handles.emplace_back(std::make_unique<Control>(Control{parent, serial}));
    parent->liveSerials.emplace(handle.get(), serial);
    return handle.get();
}

void destroyControl(ControlHandle control) {
    Window* window = control->window;
    const auto serial = static_cast<std::size_t>(control->serial);
    window->records[serial].destroyed = true;
    window->liveSerials.erase(control);
    if (window->pressedButton == control) {
        window->pressedButton = nullptr;
    }
    ASAN_POISON_MEMORY_REGION(control, sizeof(Control));
}

void setControlText(ControlHandle control, std::string_view text) {
    headless::ControlRecord& record = recordOf(control);
    record.text = std::string(text);
    record.textHistory.emplace_back(text);
}

std::string controlText(ControlHandle control) {
    return recordOf(control).text;
}

int buttonState(ControlHandle button) {
    return button->window->pressedButton == button ? 1 : 0;
}

void setTrackBarRange(ControlHandle trackBar, int minimum, int maximum) {
    headless::ControlRecord& record = recordOf(trackBar);
    record.trackMinimum = minimum;
    record.trackMaximum = std::max(minimum, maximum);
    record.trackPosition = std::clamp(record.trackPosition, record.trackMinimum, record.trackMaximum);
}

void setTrackBarPosition(ControlHandle trackBar, int position) {
    headless::ControlRecord& record = recordOf(trackBar);
    record.trackPosition = std::clamp(position, record.trackMinimum, record.trackMaximum);
}

int trackBarPosition(ControlHandle trackBar) {
    return recordOf(trackBar).trackPosition;
}

MessageBoxResult messageBox(WindowHandle owner, std::string_view text, std::string_view caption,
                            MessageBoxStyle style) {
    headless::MessageBoxRecord& shown = owner->boxLog.emplace_back(
        headless::MessageBoxRecord{std::string(text), std::string(caption), style, {}});
    auto& answers = owner->boxAnswers;
    const bool yesNo = style.buttons == MessageBoxButtons::YesNo;
    if (!answers.empty() && (answers.front() == MessageBoxResult::Ok) != yesNo) {
        shown.answer = answers.front();
        answers.pop_front();
    } else if (!yesNo) {
        shown.answer = MessageBoxResult::Ok;
    }
    // Copied: the observer may show further boxes, which would move the log.
    const headless::MessageBoxRecord report = shown;
    if (owner->observer.onMessageBox) {
        owner->observer.onMessageBox(report);
    }
    if (!report.answer) {
        const char* reason = answers.empty() ? "with no answer queued" : "while the next answer queued is ok";
        throw headless::UnansweredPrompt("a Yes/No box \"" + report.caption + "\" was shown " + reason);
    }
    return *report.answer;
}

std::optional<std::string> fileDialog(WindowHandle owner, FileDialogKind kind, std::string_view title,
                                      std::span<const FileFilter> filters, std::string_view initialPath) {
    headless::FileDialogRecord shown{
        kind, std::string(title), {filters.begin(), filters.end()}, std::string(initialPath), false, {}};
    if (!owner->dialogAnswers.empty()) {
        shown.answered = true;
        shown.answer = std::move(owner->dialogAnswers.front());
        owner->dialogAnswers.pop_front();
    }
    owner->dialogLog.push_back(shown);
    if (owner->observer.onFileDialog) {
        owner->observer.onFileDialog(shown);
    }
    if (!shown.answered) {
        throw headless::UnansweredPrompt("a file dialog \"" + shown.title +
                                         "\" was shown with no answer queued");
    }
    return shown.answer;
}

void postQuit(WindowHandle window, int exitCode) {
    window->exitCode = exitCode;
}

int runEventLoop(WindowHandle window) {
    return window->exitCode.value_or(0);
}

}  // namespace kalvenor::platform
