#include "platform/control_contract.h"

#include <functional>
#include <utility>
#include <vector>

#include "platform/control_rules.h"

namespace kalvenor::platform::testing_support {
namespace {

// A window procedure of the suite's own: it records every Command with the state of the watched
// button at that moment, and lets a case react.
struct Probe {
    struct Command {
        WParam first;
        LParam second;
        int watchedState;
    };
    std::vector<Command> commands;
    ControlHandle watched = nullptr;
    std::function<void(const Command&)> react;
};

std::intptr_t probeProc(WindowHandle window, unsigned message, WParam first, LParam second) {
    auto* probe = static_cast<Probe*>(windowUserData(window));
    if (probe != nullptr && message == message::Command) {
        probe->commands.push_back({first, second, buttonState(probe->watched)});
        if (probe->react) {
            probe->react(probe->commands.back());
        }
    }
    return 0;
}

constexpr int kMenuCommand = 102;
constexpr std::string_view kMenuText = "２次元";

class Contract {
  public:
    explicit Contract(DriverFactory factory) : driver(factory()) {
        MainWindowDesc desc{"Kalvenor", 1024, 750, {}};
        desc.menuBar = {menuPopup("メニュー", {menuCommand(std::string(kMenuText), kMenuCommand)})};
        window = driver->createWindow(desc, &probeProc, &probe);
    }
    ~Contract() { destroyMainWindow(window); }
    Contract(const Contract&) = delete;
    Contract& operator=(const Contract&) = delete;

    std::unique_ptr<BackendDriver> driver;
    Probe probe;
    WindowHandle window = nullptr;
};

TEST_P(ControlContract, NullHandlesDoNothing) {
    EXPECT_EQ(windowUserData(nullptr), nullptr);
    EXPECT_EQ(createControl(nullptr, ControlKind::PushButton, "x", {0, 0, 10, 10}), nullptr);
    destroyControl(nullptr);
    moveControl(nullptr, {0, 0, 10, 10});
    setControlText(nullptr, "x");
    EXPECT_EQ(controlText(nullptr), "");
    EXPECT_EQ(buttonState(nullptr), 0);
    setCellHighlight(nullptr, CellHighlight::Five);
    setCellCursor(nullptr);
    setAccessibleText(nullptr, "name", "description");
    setTrackBarRange(nullptr, 1, 8);
    setTrackBarMarks(nullptr, 0xFF);
    setTrackBarPosition(nullptr, 3);
    EXPECT_EQ(trackBarPosition(nullptr), 0);
    postQuit(nullptr, 3);
    EXPECT_EQ(runEventLoop(nullptr), 0);
    destroyMainWindow(nullptr);
}

TEST_P(ControlContract, TextsRoundTripAndAControlOfNoSizeCannotBeSeen) {
    Contract contract(GetParam());
    ASSERT_NE(contract.window, nullptr);
    const ControlHandle button = createControl(contract.window, ControlKind::PushButton, "", {0, 0, 25, 25});
    setControlText(button, "■");
    EXPECT_EQ(controlText(button), "■");
    EXPECT_TRUE(contract.driver->canBeSeen(button));

    const ControlHandle hidden =
        createControl(contract.window, ControlKind::PushButton, "パス", {0, 500, 148, 0});
    ASSERT_NE(hidden, nullptr);
    EXPECT_EQ(controlText(hidden), "パス");
    EXPECT_FALSE(contract.driver->canBeSeen(hidden));
    moveControl(hidden, {0, 500, 148, 30});
    EXPECT_TRUE(contract.driver->canBeSeen(hidden));
    moveControl(hidden, {0, 500, 0, 30});
    EXPECT_FALSE(contract.driver->canBeSeen(hidden));
}

TEST_P(ControlContract, AButtonIsPressedOnlyWhileItsOwnClickIsDispatched) {
    Contract contract(GetParam());
    ASSERT_NE(contract.window, nullptr);
    const WindowHandle window = contract.window;
    const ControlHandle button = createControl(window, ControlKind::PushButton, "■", {0, 0, 25, 25});
    const ControlHandle other = createControl(window, ControlKind::PushButton, "□", {25, 0, 25, 25});
    const ControlHandle label = createControl(window, ControlKind::CentredLabel, " label", {0, 30, 200, 30});
    contract.probe.watched = button;
    EXPECT_EQ(buttonState(button), 0);

    contract.driver->click(button);
    contract.driver->click(other);
    // A label click and a menu command after the button has been clicked: no ghost click.
    contract.driver->click(label);
    contract.driver->chooseMenuCommand(window, kMenuText, kMenuCommand);

    const auto& seen = contract.probe.commands;
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(toControl(seen[0].second), button);
    EXPECT_EQ(lowWord(seen[0].first), 0);
    EXPECT_EQ(seen[0].watchedState, control_rules::pushed);
    EXPECT_EQ(toControl(seen[1].second), other);
    EXPECT_EQ(seen[1].watchedState, 0);
    EXPECT_EQ(toControl(seen[2].second), label);
    EXPECT_EQ(seen[2].first, makeWParam(0, 0));
    EXPECT_EQ(seen[2].watchedState, 0);
    EXPECT_EQ(seen[3].first, makeWParam(kMenuCommand, 0));
    EXPECT_EQ(seen[3].second, 0);
    EXPECT_EQ(seen[3].watchedState, 0);
    EXPECT_EQ(buttonState(button), 0) << "released after the dispatch";
}

// The sanitizers watch the backend's release of the dispatch afterwards.
TEST_P(ControlContract, AButtonMayBeDestroyedFromItsOwnClick) {
    Contract contract(GetParam());
    ASSERT_NE(contract.window, nullptr);
    const ControlHandle button = createControl(contract.window, ControlKind::PushButton, "x", {0, 0, 25, 25});
    contract.probe.react = [&](const Probe::Command& command) {
        if (toControl(command.second) == button) {
            destroyControl(button);
        }
    };
    contract.driver->click(button);
    contract.driver->settle();
    ASSERT_EQ(contract.probe.commands.size(), 1u);
    // A button made later, maybe where the destroyed one was, is not pressed.
    const ControlHandle later = createControl(contract.window, ControlKind::PushButton, "y", {0, 0, 25, 25});
    EXPECT_EQ(buttonState(later), 0);
}

}  // namespace
}  // namespace kalvenor::platform::testing_support
