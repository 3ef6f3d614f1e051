#pragma once

// The backend's own picture of a main window and its controls. Private to the backend: tests and
// the script driver go through headless.h.

#include <deque>
#include <map>
#include <optional>
#include <string>

#include "platform/headless/headless.h"
#include "platform/layout_fit.h"
#include "platform/window_system.h"

namespace kalvenor::platform {

// Controls live in the process's ControlTable; a window knows which are its own.
struct Window {
    MainWindowDesc desc;
    WindowProc proc = nullptr;
    void* userData = nullptr;
    Size canvas = classicClientSize;

    std::map<int, ControlHandle> controls;  // the live ones, by creation serial
    int nextSerial = 0;

    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    ~Window();  // frees the slots of the controls still on it

    ControlHandle pressedButton = nullptr;  // set only while its click is dispatched
    ControlHandle focused = nullptr;        // the control with the keyboard focus
    ControlHandle cursorCell = nullptr;     // the one cell button that takes the focus

    std::deque<MessageBoxResult> boxAnswers;
    std::deque<std::optional<std::string>> dialogAnswers;
    std::deque<headless::MessageBoxRecord> boxLog;  // the most recent, up to headless::promptLogLimit
    std::deque<headless::FileDialogRecord> dialogLog;
    headless::PromptObserver observer;
    std::optional<headless::HelpWindowRecord> helpWindow;
    std::string announced;  // the last text given to announce()

    std::optional<int> exitCode;
};

}  // namespace kalvenor::platform
