// The window-system layer without a screen: windows and controls are plain records, and every
// event is a direct call of the window procedure.

#include "platform/window_system.h"

#include <algorithm>
#include <memory>

#include "platform/control_rules.h"
#include "platform/headless/control_table.h"
#include "platform/headless/window_state.h"
#include "platform/save_dialog_rules.h"

namespace kalvenor::platform {

namespace {

using headless::ControlTable;

template <typename Log, typename Record>
void appendBounded(Log& log, Record record) {
    log.push_back(std::move(record));
    if (log.size() > headless::promptLogLimit) {
        log.pop_front();
    }
}

}  // namespace

Window::~Window() {
    for (const auto& [serial, control] : controls) {
        ControlTable::instance().remove(control);
    }
}

void setMenuBar(WindowHandle window, std::vector<MenuItem> menuBar) {
    if (window != nullptr) {
        window->desc.menuBar = std::move(menuBar);
    }
}

void setWindowTitle(WindowHandle window, std::string_view title) {
    if (window != nullptr) {
        window->desc.title = title;
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
    return window != nullptr ? window->userData : nullptr;
}

ControlHandle createControl(WindowHandle parent, ControlKind kind, std::string_view text, Rect rect) {
    if (parent == nullptr) {
        return nullptr;
    }
    headless::ControlRecord record;
    record.serial = parent->nextSerial;
    record.kind = kind;
    record.rect = rect;
    record.text = std::string(text);
    record.textHistory.emplace_back(text);
    const ControlHandle control = ControlTable::instance().add(parent, std::move(record));
    parent->controls.emplace(parent->nextSerial++, control);
    return control;
}

void destroyControl(ControlHandle control) {
    if (control == nullptr) {
        return;
    }
    ControlTable& table = ControlTable::instance();
    const headless::ControlSlot& slot = table.at(control, "destroyControl");
    Window* window = slot.window;
    window->controls.erase(slot.record.serial);
    for (ControlHandle* held : {&window->pressedButton, &window->focused, &window->cursorCell}) {
        if (*held == control) {
            *held = nullptr;
        }
    }
    table.remove(control);
}

void moveControl(ControlHandle control, Rect rect) {
    if (control != nullptr) {
        ControlTable::instance().at(control, "moveControl").record.rect = rect;
    }
}

void setLayoutCanvas(WindowHandle window, Size canvas) {
    if (window != nullptr) {
        window->canvas = canvas;
    }
}

Size layoutCanvas(WindowHandle window) {
    return window != nullptr ? window->canvas : Size{};
}

void setControlText(ControlHandle control, std::string_view text) {
    if (control == nullptr) {
        return;
    }
    headless::ControlRecord& record = ControlTable::instance().at(control, "setControlText").record;
    record.text = std::string(text);
    record.textHistory.emplace_back(text);
    if (record.textHistory.size() > headless::textHistoryLimit) {
        record.textHistory.pop_front();
    }
}

std::string controlText(ControlHandle control) {
    if (control == nullptr) {
        return {};
    }
    return ControlTable::instance().at(control, "controlText").record.text;
}

int buttonState(ControlHandle button) {
    if (button == nullptr) {
        return 0;
    }
    return control_rules::buttonStateOf(
        button, ControlTable::instance().at(button, "buttonState").window->pressedButton);
}

void setControlEnabled(ControlHandle control, bool enabled) {
    if (control != nullptr) {
        ControlTable::instance().at(control, "setControlEnabled").record.enabled = enabled;
    }
}

void setLabelLink(ControlHandle label, std::string_view tooltip) {
    if (label != nullptr) {
        ControlTable::instance().at(label, "setLabelLink").record.linkTooltip = std::string(tooltip);
    }
}

void setCellHighlight(ControlHandle cellButton, CellHighlight highlight) {
    if (cellButton != nullptr) {
        ControlTable::instance().at(cellButton, "setCellHighlight").record.highlight = highlight;
    }
}

void setCellCursor(ControlHandle cellButton) {
    if (cellButton == nullptr) {
        return;
    }
    Window* window = ControlTable::instance().at(cellButton, "setCellCursor").window;
    if (window->focused == nullptr || window->focused == window->cursorCell) {
        window->focused = cellButton;
    }
    window->cursorCell = cellButton;
}

void setAccessibleText(ControlHandle control, std::string_view name, std::string_view description) {
    if (control != nullptr) {
        headless::ControlRecord& record = ControlTable::instance().at(control, "setAccessibleText").record;
        record.accessibleName = name;
        record.accessibleDescription = description;
    }
}

void setTrackBarMarks(ControlHandle trackBar, std::uint32_t positions) {
    if (trackBar != nullptr) {
        ControlTable::instance().at(trackBar, "setTrackBarMarks").record.trackMarks = positions;
    }
}

void setTrackBarRange(ControlHandle trackBar, int minimum, int maximum) {
    if (trackBar == nullptr) {
        return;
    }
    headless::ControlRecord& record = ControlTable::instance().at(trackBar, "setTrackBarRange").record;
    record.trackMinimum = minimum;
    record.trackMaximum = std::max(minimum, maximum);
    record.trackPosition = std::clamp(record.trackPosition, record.trackMinimum, record.trackMaximum);
}

void setTrackBarPosition(ControlHandle trackBar, int position) {
    if (trackBar == nullptr) {
        return;
    }
    headless::ControlRecord& record = ControlTable::instance().at(trackBar, "setTrackBarPosition").record;
    record.trackPosition = std::clamp(position, record.trackMinimum, record.trackMaximum);
}

int trackBarPosition(ControlHandle trackBar) {
    if (trackBar == nullptr) {
        return 0;
    }
    return ControlTable::instance().at(trackBar, "trackBarPosition").record.trackPosition;
}

MessageBoxResult messageBox(WindowHandle owner, std::string_view text, std::string_view caption,
                            MessageBoxStyle style) {
    const bool okOnly = style.buttons == MessageBoxButtons::Ok;
    if (owner == nullptr) {
        // No window, so no queued answers: taken as closed without a button.
        switch (style.buttons) {
            case MessageBoxButtons::YesNo:
                return MessageBoxResult::No;
            case MessageBoxButtons::SaveDiscardCancel:
                return MessageBoxResult::Cancel;
            case MessageBoxButtons::Ok:
                break;
        }
        return MessageBoxResult::Ok;
    }
    headless::MessageBoxRecord shown{std::string(text), std::string(caption), style, {}};
    auto& answers = owner->boxAnswers;
    if (!answers.empty() && isAnswerOf(style.buttons, answers.front())) {
        shown.answer = answers.front();
        answers.pop_front();
    } else if (okOnly) {
        shown.answer = MessageBoxResult::Ok;
    }
    appendBounded(owner->boxLog, shown);
    if (owner->observer.onMessageBox) {
        owner->observer.onMessageBox(shown);
    }
    if (!shown.answer) {
        const std::string reason =
            answers.empty() ? "with no answer queued"
                            : "while the next answer queued is " + std::string(answerName(answers.front()));
        const char* kind =
            style.buttons == MessageBoxButtons::YesNo ? "a Yes/No box" : "a Save/Discard/Cancel box";
        throw headless::UnansweredPrompt(kind + (" \"" + shown.caption + "\" was shown ") + reason);
    }
    return *shown.answer;
}

namespace {

// One showing of a dialog, answered from the queue. The Save dialog returns a name typed without
// extension with the default one, as the dialogs of the desktop do.
std::optional<std::string> showFileDialogOnce(WindowHandle owner, FileDialogKind kind, std::string_view title,
                                              std::span<const FileFilter> filters,
                                              std::string_view initialPath) {
    headless::FileDialogRecord shown{
        kind, std::string(title), {filters.begin(), filters.end()}, std::string(initialPath), false, {}};
    if (!owner->dialogAnswers.empty()) {
        shown.answered = true;
        shown.answer = std::move(owner->dialogAnswers.front());
        owner->dialogAnswers.pop_front();
        if (shown.answer && kind == FileDialogKind::Save) {
            shown.answer = withDefaultExtension(std::move(*shown.answer), filters);
        }
    }
    appendBounded(owner->dialogLog, shown);
    if (owner->observer.onFileDialog) {
        owner->observer.onFileDialog(shown);
    }
    if (!shown.answered) {
        throw headless::UnansweredPrompt("a file dialog \"" + shown.title +
                                         "\" was shown with no answer queued");
    }
    return shown.answer;
}

}  // namespace

std::optional<std::string> fileDialog(WindowHandle owner, FileDialogKind kind, std::string_view title,
                                      std::span<const FileFilter> filters, std::string_view initialPath) {
    if (owner == nullptr) {
        return std::nullopt;  // no window, so no queued answers: cancelled
    }
    if (kind == FileDialogKind::Open) {
        return showFileDialogOnce(owner, kind, title, filters, initialPath);
    }
    return runSaveDialog(owner, filters, std::string(initialPath), [&](std::string_view initial) {
        return showFileDialogOnce(owner, kind, title, filters, initial);
    });
}

void showHelpWindow(WindowHandle owner, std::string_view title, std::span<const HelpSection> sections) {
    if (owner == nullptr) {
        return;
    }
    owner->helpWindow = headless::HelpWindowRecord{std::string(title), {sections.begin(), sections.end()}};
    if (owner->observer.onHelpWindow) {
        owner->observer.onHelpWindow(*owner->helpWindow);
    }
}

void announce(WindowHandle window, std::string_view text) {
    if (window != nullptr) {
        window->announced = text;
    }
}

void postQuit(WindowHandle window, int exitCode) {
    if (window != nullptr) {
        window->exitCode = exitCode;
    }
}

int runEventLoop(WindowHandle window) {
    return window != nullptr ? window->exitCode.value_or(0) : 0;
}

}  // namespace kalvenor::platform
