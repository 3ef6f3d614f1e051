#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/control_contract.h"
#include "platform/headless/headless.h"
#include "platform/window_system.h"

namespace kalvenor::platform {
namespace {

namespace hl = headless;

// A small window of our own: it records what reaches its procedure and lets each test react.
struct Probe {
    struct Event {
        unsigned message;
        WParam first;
        LParam second;
    };
    std::vector<Event> events;
    std::function<void(WindowHandle, unsigned, WParam, LParam)> react;
};

std::intptr_t probeProc(WindowHandle window, unsigned message, WParam first, LParam second) {
    auto* probe = static_cast<Probe*>(windowUserData(window));
    probe->events.push_back({message, first, second});
    if (probe->react) {
        probe->react(window, message, first, second);
    }
    return 0;
}

class HeadlessBackend : public ::testing::Test {
  protected:
    void SetUp() override {
        window = createMainWindow({"Probe", 640, 480, {}}, &probeProc, &probe);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override { destroyMainWindow(window); }

    Probe probe;
    WindowHandle window = nullptr;
};

class HeadlessDriver : public testing_support::BackendDriver {
  public:
    WindowHandle createWindow(const MainWindowDesc& desc, WindowProc proc, void* userData) override {
        return createMainWindow(desc, proc, userData);
    }
    void click(ControlHandle control) override { hl::click(control); }
    void chooseMenuCommand(WindowHandle window, std::string_view, int commandId) override {
        hl::sendMenuCommand(window, commandId);
    }
    bool canBeSeen(ControlHandle control) override { return hl::record(control).visible(); }
};

std::unique_ptr<testing_support::BackendDriver> makeHeadlessDriver() {
    return std::make_unique<HeadlessDriver>();
}

using testing_support::ControlContract;
INSTANTIATE_TEST_SUITE_P(Headless, ControlContract, ::testing::Values(&makeHeadlessDriver));

TEST_F(HeadlessBackend, CreateArrivesWithUserDataAndDestroyArrivesLast) {
    ASSERT_EQ(probe.events.size(), 1u);
    EXPECT_EQ(probe.events[0].message, message::Create);
    EXPECT_EQ(hl::windowDesc(window).title, "Probe");

    Probe other;
    WindowHandle second = createMainWindow({"Other", 1, 1, {}}, &probeProc, &other);
    createControl(second, ControlKind::PushButton, "a", {0, 0, 10, 10});
    destroyMainWindow(second);
    ASSERT_EQ(other.events.size(), 2u);
    EXPECT_EQ(other.events[1].message, message::Destroy);
    EXPECT_TRUE(probe.events.size() == 1u) << "windows are independent";
}

TEST_F(HeadlessBackend, RefusedCreateGivesNoWindow) {
    auto refuse = [](WindowHandle, unsigned message, WParam, LParam) -> std::intptr_t {
        return message == message::Create ? -1 : 0;
    };
    EXPECT_EQ(createMainWindow({}, refuse, nullptr), nullptr);
    EXPECT_EQ(createMainWindow({}, nullptr, nullptr), nullptr);
}

TEST_F(HeadlessBackend, ControlsKeepKindRectTextHistoryAndCreationOrder) {
    ControlHandle label = createControl(window, ControlKind::LeftLabel, " turn", {0, 210, 250, 30});
    ControlHandle button = createControl(window, ControlKind::PushButton, "", {25, 0, 25, 25});
    setControlText(label, "a");
    setControlText(label, "a");
    setControlText(label, "b");
    EXPECT_EQ(controlText(label), "b");
    EXPECT_EQ(hl::record(label).textHistory, (std::deque<std::string>{" turn", "a", "a", "b"}));
    EXPECT_EQ(hl::record(button).rect, (Rect{25, 0, 25, 25}));
    EXPECT_EQ(hl::record(button).kind, ControlKind::PushButton);
    EXPECT_EQ(hl::record(button).serial, 1);

    destroyControl(label);
    EXPECT_FALSE(hl::isLive(window, label));
    EXPECT_TRUE(hl::isLive(window, button));
    EXPECT_EQ(hl::liveControls(window), std::vector<ControlHandle>{button});
    EXPECT_THROW(hl::click(nullptr), hl::UsageError);
    ControlHandle later = createControl(window, ControlKind::LeftLabel, "", {0, 0, 1, 1});
    EXPECT_EQ(hl::liveControls(window), (std::vector<ControlHandle>{button, later}));

    hl::clearTextHistories(window);
    EXPECT_TRUE(hl::record(button).textHistory.empty());
}

// A destroyed control's handle stays recognisable: every use is refused, also once its place has
// been taken by any number of new controls, and no new control is ever given the same handle.
TEST_F(HeadlessBackend, UsingADestroyedControlIsRefused) {
    ControlHandle button = createControl(window, ControlKind::PushButton, "", {0, 0, 25, 25});
    destroyControl(button);
    for (int round = 0; round < 3; ++round) {
        EXPECT_THROW(setControlText(button, "x"), hl::UsageError);
        EXPECT_THROW(controlText(button), hl::UsageError);
        EXPECT_THROW(buttonState(button), hl::UsageError);
        EXPECT_THROW(trackBarPosition(button), hl::UsageError);
        EXPECT_THROW(hl::click(button), hl::UsageError);
        EXPECT_THROW(destroyControl(button), hl::UsageError);
        EXPECT_THROW(hl::record(button), hl::UsageError);
        ControlHandle reused = createControl(window, ControlKind::PushButton, "", {0, 0, 25, 25});
        EXPECT_NE(reused, button);
        EXPECT_FALSE(hl::isLive(window, button));
        destroyControl(reused);
    }

    Probe other;
    WindowHandle second = createMainWindow({"Other", 1, 1, {}}, &probeProc, &other);
    ControlHandle foreign = createControl(second, ControlKind::PushButton, "", {0, 0, 10, 10});
    EXPECT_FALSE(hl::isLive(window, foreign)) << "a control of another window";
    destroyMainWindow(second);
    EXPECT_THROW(controlText(foreign), hl::UsageError) << "its window took it along";
}

// Beyond the control rules (control_contract.cpp): prompts without a window answer as closed.
TEST_F(HeadlessBackend, PromptsWithoutAWindowAnswerAsClosed) {
    EXPECT_EQ(messageBox(nullptr, "t", "c", {MessageBoxButtons::YesNo}), MessageBoxResult::No);
    EXPECT_EQ(messageBox(nullptr, "t", "c", {}), MessageBoxResult::Ok);
    EXPECT_EQ(fileDialog(nullptr, FileDialogKind::Open, "t", {}, ""), std::nullopt);
    EXPECT_TRUE(hl::messageBoxLog(window).empty());
}

// Texts, controls and prompts of a long run take the memory of what is live and recent only.
TEST_F(HeadlessBackend, LongRunsKeepOnlyRecentHistory) {
    ControlHandle label = createControl(window, ControlKind::LeftLabel, "0", {0, 0, 10, 10});
    for (int text = 1; text <= 1000; ++text) {
        setControlText(label, std::to_string(text));
    }
    const auto& history = hl::record(label).textHistory;
    ASSERT_EQ(history.size(), hl::textHistoryLimit);
    EXPECT_EQ(history.front(), std::to_string(1001 - hl::textHistoryLimit));
    EXPECT_EQ(history.back(), "1000");

    for (int box = 0; box < 1000; ++box) {
        messageBox(window, std::to_string(box), "", {});
    }
    ASSERT_EQ(hl::messageBoxLog(window).size(), hl::promptLogLimit);
    EXPECT_EQ(hl::messageBoxLog(window).back().text, "999");
}

// What a person cannot do is refused before anything is dispatched.
TEST_F(HeadlessBackend, WhatCannotBeSeenOrChosenIsRefused) {
    ControlHandle hidden = createControl(window, ControlKind::PushButton, "パス", {0, 0, 0, 0});
    ControlHandle slider = createControl(window, ControlKind::TrackBar, "Track Bar", {0, 0, 90, 30});
    EXPECT_FALSE(hl::record(hidden).visible());
    EXPECT_THROW(hl::click(hidden), hl::UsageError);
    EXPECT_THROW(hl::click(slider), hl::UsageError);
    EXPECT_THROW(hl::sendMenuCommand(window, 70000), hl::UsageError);
    EXPECT_EQ(probe.events.size(), 1u) << "nothing was dispatched";
}

TEST_F(HeadlessBackend, TrackBarDragReportsTrackPositionAndEnd) {
    ControlHandle bar = createControl(window, ControlKind::TrackBar, "Track Bar", {350, 550, 200, 30});
    setTrackBarRange(bar, 1, 8);
    setTrackBarPosition(bar, 4);
    EXPECT_EQ(trackBarPosition(bar), 4);

    hl::dragTrackBar(bar, 7);
    ASSERT_EQ(probe.events.size(), 4u);
    const std::array<WParam, 3> expected{makeWParam(trackbar::ThumbTrack, 7),
                                         makeWParam(trackbar::ThumbPosition, 7),
                                         makeWParam(trackbar::EndTrack, 0)};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(probe.events[i + 1].message, message::HScroll);
        EXPECT_EQ(probe.events[i + 1].first, expected[i]);
        EXPECT_EQ(toControl(probe.events[i + 1].second), bar);
    }
    EXPECT_EQ(trackBarPosition(bar), 7);

    hl::dragTrackBar(bar, 20);
    EXPECT_EQ(trackBarPosition(bar), 8) << "clamped to the range, as the control does";
    setTrackBarPosition(bar, -3);
    EXPECT_EQ(trackBarPosition(bar), 1);

    hl::sendTrackBarCode(bar, trackbar::LineDown);
    EXPECT_EQ(probe.events.back().first, makeWParam(trackbar::LineDown, 0));
    EXPECT_THROW(hl::sendTrackBarCode(bar, 9), hl::UsageError);
}

TEST_F(HeadlessBackend, DragStopsWhenTheHandlerDestroysTheTrackBar) {
    ControlHandle bar = createControl(window, ControlKind::TrackBar, "Track Bar", {0, 0, 90, 30});
    probe.react = [&](WindowHandle, unsigned message, WParam, LParam) {
        if (message == message::HScroll) {
            destroyControl(bar);
        }
    };
    hl::dragTrackBar(bar, 3);
    EXPECT_EQ(probe.events.size(), 2u);
}

TEST_F(HeadlessBackend, MessageBoxesTakeQueuedAnswersInOrderAndAreLogged) {
    const MessageBoxStyle yesNo{MessageBoxButtons::YesNo, MessageBoxIcon::Question, false};
    const MessageBoxStyle ok{};
    std::vector<std::string> observed;
    hl::setPromptObserver(
        window, {[&](const hl::MessageBoxRecord& box) { observed.push_back(box.caption); }, {}, {}});

    hl::queueMessageBoxAnswer(window, MessageBoxResult::No);
    hl::queueMessageBoxAnswer(window, MessageBoxResult::Yes);
    EXPECT_EQ(messageBox(window, "result", "end", ok), MessageBoxResult::Ok)
        << "an OK box does not take a yes/no";
    EXPECT_EQ(hl::pendingMessageBoxAnswers(window), 2u);
    EXPECT_EQ(messageBox(window, "first?", "choose", yesNo), MessageBoxResult::No);
    EXPECT_EQ(messageBox(window, "again?", "choose", yesNo), MessageBoxResult::Yes);

    hl::queueMessageBoxAnswer(window, MessageBoxResult::Ok);
    EXPECT_THROW(messageBox(window, "first?", "choose", yesNo), hl::UnansweredPrompt)
        << "an ok answer does not answer a Yes/No box";
    EXPECT_EQ(messageBox(window, "about", "About", ok), MessageBoxResult::Ok);
    EXPECT_EQ(hl::pendingMessageBoxAnswers(window), 0u);
    EXPECT_THROW(messageBox(window, "first?", "choose", yesNo), hl::UnansweredPrompt);

    const auto& log = hl::messageBoxLog(window);
    ASSERT_EQ(log.size(), 6u);
    EXPECT_EQ(log[1].text, "first?");
    EXPECT_EQ(log[1].style.icon, MessageBoxIcon::Question);
    EXPECT_EQ(log[1].answer, MessageBoxResult::No);
    EXPECT_FALSE(log[3].answer.has_value());
    EXPECT_FALSE(log[5].answer.has_value());
    EXPECT_EQ(observed, (std::vector<std::string>{"end", "choose", "choose", "choose", "About", "choose"}));
}

TEST_F(HeadlessBackend, FileDialogsTakeQueuedPathsOrCancelAndAreLogged) {
    const std::array<FileFilter, 1> filters{{{"Game Data", "*.gd"}}};
    hl::queueFileDialogAnswer(window, "saved.gd");
    hl::queueFileDialogAnswer(window, std::nullopt);
    EXPECT_EQ(fileDialog(window, FileDialogKind::Save, "Save", filters, "*.gd"), "saved.gd");
    EXPECT_EQ(fileDialog(window, FileDialogKind::Open, "Load", filters, "*.gd"), std::nullopt);
    EXPECT_THROW(fileDialog(window, FileDialogKind::Open, "Load", filters, "x.gd"), hl::UnansweredPrompt);

    const auto& log = hl::fileDialogLog(window);
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].kind, FileDialogKind::Save);
    EXPECT_EQ(log[0].filters[0].pattern, "*.gd");
    EXPECT_EQ(log[0].answer, "saved.gd");
    EXPECT_TRUE(log[1].answered);
    EXPECT_FALSE(log[1].answer.has_value());
    EXPECT_FALSE(log[2].answered);
    EXPECT_EQ(log[2].initialPath, "x.gd");
}

TEST_F(HeadlessBackend, UnansweredPromptLeavesNoButtonPressed) {
    ControlHandle button = createControl(window, ControlKind::PushButton, "", {0, 0, 25, 25});
    probe.react = [&](WindowHandle owner, unsigned message, WParam, LParam) {
        if (message == message::Command) {
            messageBox(owner, "?", "ask", {MessageBoxButtons::YesNo, MessageBoxIcon::None, false});
        }
    };
    EXPECT_THROW(hl::click(button), hl::UnansweredPrompt);
    EXPECT_EQ(buttonState(button), 0);
}

TEST_F(HeadlessBackend, QuitIsRecordedAndTheLoopReturnsItAtOnce) {
    EXPECT_FALSE(hl::postedExitCode(window).has_value());
    postQuit(window, 3);
    EXPECT_EQ(hl::postedExitCode(window), 3);
    EXPECT_EQ(runEventLoop(window), 3);
}

}  // namespace
}  // namespace kalvenor::platform
