#pragma once

// The backend's own picture of a main window and its controls. Private to the backend: tests and
// the script driver go through headless.h.

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/window_system.h"

namespace kalvenor::platform {

struct Control {
    Window* window = nullptr;
    int serial = 0;  // index of its record in Window::records
};

struct Window {
    MainWindowDesc desc;
    WindowProc proc = nullptr;
    void* userData = nullptr;

    std::deque<headless::ControlRecord> records;  // by serial, destroyed ones kept
    // By serial. A destroyed control's object stays allocated (and poisoned under the address
    // sanitizer) until the window goes, so its address is never reused for another control: a
    // stale handle never passes for a live one, and the sanitizer reports any use of it.
    std::vector<std::unique_ptr<Control>> handles;
    std::unordered_map<const Control*, int> liveSerials;  // lookup without dereferencing

    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    ~Window();

    const Control* pressedButton = nullptr;  // set only while its click is dispatched

    std::deque<MessageBoxResult> boxAnswers;
    std::deque<std::optional<std::string>> dialogAnswers;
    std::vector<headless::MessageBoxRecord> boxLog;
    std::vector<headless::FileDialogRecord> dialogLog;
    headless::PromptObserver observer;

    std::optional<int> exitCode;
};

}  // namespace kalvenor::platform
