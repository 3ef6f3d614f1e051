#pragma once

// The control rules that every backend of the window-system layer keeps (control_rules.h), as one
// suite. Each backend's test program gives a driver that acts as a person does on its controls and
// instantiates the suite with it:
//   INSTANTIATE_TEST_SUITE_P(Headless, ControlContract, testing::Values(&makeHeadlessDriver));

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string_view>

#include "platform/window_system.h"

namespace kalvenor::platform::testing_support {

class BackendDriver {
  public:
    virtual ~BackendDriver() = default;
    // A main window with the menu bar given, shown and ready for clicks.
    virtual WindowHandle createWindow(const MainWindowDesc& desc, WindowProc proc, void* userData) = 0;
    // A click of the mouse on a button or a label that can be seen.
    virtual void click(ControlHandle control) = 0;
    // Chooses the menu item `text`, whose command id is `commandId`.
    virtual void chooseMenuCommand(WindowHandle window, std::string_view text, int commandId) = 0;
    // Whether the control shows on the screen.
    virtual bool canBeSeen(ControlHandle control) = 0;
    // Lets the backend finish what it defers to its event loop (a control's deletion).
    virtual void settle() {}
};

using DriverFactory = std::unique_ptr<BackendDriver> (*)();

class ControlContract : public ::testing::TestWithParam<DriverFactory> {};

// The cases' names in the test lists carry this, not the driver's address, which changes from
// build to build.
inline void PrintTo(DriverFactory, std::ostream* out) {
    *out << "driver";
}

}  // namespace kalvenor::platform::testing_support
