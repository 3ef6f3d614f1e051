#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "ui/about_box.h"
#include "ui/command_routing.h"
#include "ui/window_fixture.h"

namespace kalvenor {
namespace {

using platform::ControlKind;
using platform::Rect;
using testing_support::WindowTest;
namespace headless = platform::headless;

using MainWindow = WindowTest;

TEST_F(MainWindow, TitleSizeAndMenu) {
    const platform::MainWindowDesc& desc = headless::windowDesc(window);
    EXPECT_EQ(desc.title, "Kalvenor [ version 1.0 ]");
    EXPECT_EQ(desc.width, 1024);
    EXPECT_EQ(desc.height, 750);

    // The classic menu, with the menus ゲーム, 表示 and ヘルプ between its two entries.
    ASSERT_EQ(desc.menuBar.size(), 5u);
    EXPECT_EQ(desc.menuBar[1].text, "ゲーム");
    EXPECT_EQ(desc.menuBar[2].text, "表示");
    EXPECT_EQ(desc.menuBar[3].text, "ヘルプ");
    const platform::MenuItem& menu = desc.menuBar[0];
    EXPECT_EQ(menu.text, "メニュー");
    ASSERT_EQ(menu.items.size(), 2u);
    const platform::MenuItem& twoPeople = menu.items[0];
    EXPECT_EQ(twoPeople.text, "対人戦");
    ASSERT_EQ(twoPeople.items.size(), 3u);
    EXPECT_EQ(twoPeople.items[0].text, "２次元");
    EXPECT_EQ(twoPeople.items[0].commandId, 102);
    EXPECT_EQ(twoPeople.items[1].text, "３次元");
    EXPECT_EQ(twoPeople.items[1].commandId, 104);
    EXPECT_EQ(twoPeople.items[2].text, "４次元");
    EXPECT_EQ(twoPeople.items[2].commandId, 106);
    EXPECT_EQ(menu.items[1].text, "終了");
    EXPECT_EQ(menu.items[1].commandId, 255);
    EXPECT_TRUE(menu.items[1].items.empty());
    // The About box is a command on the bar itself, not a pop-up.
    EXPECT_EQ(desc.menuBar[4].text, "バージョン情報");
    EXPECT_EQ(desc.menuBar[4].commandId, 254);
    EXPECT_TRUE(desc.menuBar[4].items.empty());
}

void collectCommands(const std::vector<platform::MenuItem>& items, std::multiset<int>& ids) {
    for (const platform::MenuItem& item : items) {
        if (item.items.empty() && item.commandId != 0) {
            ids.insert(item.commandId);
        }
        collectCommands(item.items, ids);
    }
}

TEST_F(MainWindow, GameMenuCarriesEveryCommandOnceAndMarksTheRecord) {
    const platform::MenuItem& game = headless::windowDesc(window).menuBar[1];
    std::multiset<int> ids;
    collectCommands(game.items, ids);
    std::multiset<int> expected{150, 151, 152, 200, 201, 202, 203, 204, 205, 208, 255};
    for (int id = 101; id <= 114; ++id) {
        expected.insert(id);
    }
    for (int id = 120; id <= 126; ++id) {
        expected.insert(id);
    }
    EXPECT_EQ(ids, expected);

    const auto item = [&](int commandId) -> const platform::MenuItem& {
        return *std::find_if(game.items.begin(), game.items.end(),
                             [&](const platform::MenuItem& entry) { return entry.commandId == commandId; });
    };
    const platform::MenuItem& record = item(152);
    ASSERT_TRUE(record.isChecked);
    EXPECT_FALSE(record.isChecked());
    session.state.recordEnabled = true;
    EXPECT_TRUE(record.isChecked());

    // The computer's level: one of the three is checked, the one in force.
    const platform::MenuItem& standard = item(200);
    const platform::MenuItem& medium = item(204);
    const platform::MenuItem& strong = item(201);
    ASSERT_TRUE(standard.isChecked && medium.isChecked && strong.isChecked);
    EXPECT_TRUE(standard.isChecked() && !medium.isChecked() && !strong.isChecked());
    runCommand(session, 204);
    EXPECT_TRUE(!standard.isChecked() && medium.isChecked() && !strong.isChecked());
    runCommand(session, 201);
    EXPECT_TRUE(!standard.isChecked() && !medium.isChecked() && strong.isChecked());
    EXPECT_EQ(item(202).shortcut, "H");
    EXPECT_EQ(item(203).shortcut, "Ctrl+Z");
    EXPECT_EQ(item(205).shortcut, "Ctrl+Shift+Z");
    EXPECT_EQ(item(205).alternateShortcut, "Ctrl+Y");
    EXPECT_EQ(item(208).shortcut, "Ctrl+N");
    EXPECT_EQ(item(208).alternateShortcut, "F2");

    // 表示: the two switches follow the session's options.
    const std::vector<platform::MenuItem>& view = headless::windowDesc(window).menuBar[2].items;
    ASSERT_EQ(view.size(), 5u);  // 大きい盤, the two switches, a separator, 言語
    EXPECT_EQ(view[1].commandId, 206);
    EXPECT_EQ(view[2].commandId, 207);
    EXPECT_FALSE(view[1].isChecked() || view[2].isChecked());
    runCommand(session, 206);
    runCommand(session, 207);
    EXPECT_TRUE(view[1].isChecked() && view[2].isChecked());
    EXPECT_EQ(headless::windowDesc(window).menuBar[3].items.at(0).shortcut, "F1");
}

TEST_F(MainWindow, StartScreen) {
    EXPECT_EQ(session.state.viewCellCount, 12);
    EXPECT_EQ(session.state.dimension, 0);
    EXPECT_FALSE(session.state.inProgress);
    EXPECT_FALSE(session.board.has_value());
    ASSERT_EQ(session.view.infoLabels.size(), 12u);
    for (std::size_t slot = 6; slot < 12; ++slot) {
        EXPECT_EQ(session.view.infoLabels[slot], nullptr) << slot;
    }
    EXPECT_TRUE(session.view.cellButtons.empty());
    EXPECT_TRUE(session.view.vsControls.empty());

    struct Expected {
        const char* text;
        Rect rect;
        ControlKind kind;
    };
    const Expected expected[] = {
        {" 現在、２－４次元の対人戦しか実装致しておりません。", {0, 0, 600, 30}, ControlKind::LeftLabel},
        {" ですので、対人戦を選択後、次元数を選択してください。", {35, 35, 600, 30}, ControlKind::LeftLabel},
        {" 将来的な実装の範囲と致しましては", {70, 70, 600, 30}, ControlKind::LeftLabel},
        {" ２－８次元のCPU戦と対人戦は少なくとも実装する予定です。",
         {105, 105, 600, 30},
         ControlKind::LeftLabel},
        {"Tarnwell", {440, 140, 300, 30}, ControlKind::CentredLabel},
        {" ２－８次元の全ての対戦と保存・読込は「ゲーム」メニューにございます。",
         {140, 175, 600, 30},
         ControlKind::LeftLabel},
    };
    ASSERT_EQ(headless::liveControls(window).size(), 6u);
    for (int slot = 0; slot < 6; ++slot) {
        const headless::ControlRecord& label = headless::record(session.view.infoLabels[slot]);
        EXPECT_EQ(label.text, expected[slot].text);
        EXPECT_EQ(label.rect, expected[slot].rect);
        EXPECT_EQ(label.kind, expected[slot].kind);
        EXPECT_EQ(label.serial, slot);
    }
}

// Ids outside the command table, sent before any game, change nothing at all.
TEST_F(MainWindow, IdsOutsideTheTableDoNothing) {
    std::vector<int> ids = {0, 100, 256, 1000};
    for (int id = 115; id <= 119; ++id) ids.push_back(id);
    for (int id = 127; id <= 149; ++id) ids.push_back(id);
    for (int id = 153; id < command_id::StandardLevel; ++id) ids.push_back(id);
    for (int id = command_id::SystemLanguage + 1; id < command_id::About; ++id) ids.push_back(id);
    const std::vector<platform::ControlHandle> startScreen = headless::liveControls(window);
    for (int id : ids) {
        command(id);
    }
    EXPECT_EQ(headless::liveControls(window), startScreen);
    EXPECT_TRUE(headless::messageBoxLog(window).empty());
    EXPECT_TRUE(headless::fileDialogLog(window).empty());
    EXPECT_FALSE(headless::postedExitCode(window).has_value());
    EXPECT_EQ(session.state.dimension, 0);
    EXPECT_FALSE(session.state.inProgress);
    EXPECT_FALSE(session.state.recordEnabled);
}

TEST_F(MainWindow, GameStartIdsNameDimensionAndMode) {
    command(123);
    EXPECT_EQ(session.state.dimension, 5);
    EXPECT_EQ(session.state.mode, GameMode::CpuVsCpu);
    EXPECT_EQ(session.view.vsControls.size(), 5u);
    EXPECT_TRUE(headless::messageBoxLog(window).empty());  // no question between computers

    command(112);
    EXPECT_EQ(session.state.dimension, 7);
    EXPECT_EQ(session.state.mode, GameMode::HumanVsHuman);
    EXPECT_TRUE(session.view.vsControls.empty());

    startAgainstCpu(103, true);
    EXPECT_EQ(session.state.dimension, 3);
    EXPECT_EQ(session.state.mode, GameMode::HumanVsCpu);
}

// The command table runs whatever the notification code; the turn handlers only for code 0.
TEST_F(MainWindow, CommandTableRunsForEveryNotificationCode) {
    headless::sendMessage(window, platform::message::Command, platform::makeWParam(104, 1), 0);
    EXPECT_EQ(session.state.dimension, 3);
    EXPECT_EQ(session.state.mode, GameMode::HumanVsHuman);
}

// A click arrives with id 0: only the turn handler of the running game sees it.
TEST_F(MainWindow, ClicksReachTheTurnHandlerOfTheRunningGame) {
    command(102);
    headless::click(session.view.cellButtons[9]);
    EXPECT_EQ(cellText(9), "■");
    EXPECT_EQ(session.state.sideToMove, CellState::Second);

    // Not in progress: the two-person handler is not asked.
    session.state.inProgress = false;
    headless::click(session.view.cellButtons[10]);
    EXPECT_EQ(cellText(10), "");
    EXPECT_EQ((*session.board)[10], CellState::Empty);

    // A notification code other than 0 never reaches the handlers.
    session.state.inProgress = true;
    const std::vector<platform::ControlHandle> controls = headless::liveControls(window);
    headless::sendMessage(window, platform::message::Command, platform::makeWParam(0, 1),
                          platform::toLParam(session.view.cellButtons[11]));
    EXPECT_EQ((*session.board)[11], CellState::Empty);
    EXPECT_EQ(headless::liveControls(window), controls);
}

// The stepping handler depends on the mode alone: a finished game between computers still
// restarts from its "最初から" button.
TEST_F(MainWindow, StepHandlerRunsAfterTheGameBetweenComputersEnded) {
    command(120);
    session.state.inProgress = false;
    session.state.turnNumber = {7, 7};
    headless::click(session.view.vsControls[4]);
    EXPECT_TRUE(session.state.inProgress);
    EXPECT_EQ(session.state.turnNumberOf(CellState::First), 1);
}

TEST_F(MainWindow, AboutBox) {
    command(254);
    const auto& boxes = headless::messageBoxLog(window);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Kalvenor [ version 1.0 ]");
    EXPECT_EQ(boxes[0].style.buttons, platform::MessageBoxButtons::Ok);
    EXPECT_EQ(boxes[0].style.icon, platform::MessageBoxIcon::None);
    EXPECT_EQ(boxes[0].text,
              "作者 : ターンウェル (Tarnwell)\nmail : (none)\nweb site 1 : (none)\nweb site 2 : (none)\n"
              "作者紹介ページ : (none)");
    EXPECT_EQ(headless::liveControls(window).size(), 6u);
    EXPECT_EQ(session.state.viewCellCount, 12);
}

TEST_F(MainWindow, SizeMovesNothing) {
    command(106);
    std::vector<Rect> before;
    for (platform::ControlHandle control : headless::liveControls(window)) {
        before.push_back(rectOf(control));
    }
    headless::sendMessage(window, platform::message::Size, 0, (400 << 16) | 300);
    std::vector<Rect> after;
    for (platform::ControlHandle control : headless::liveControls(window)) {
        after.push_back(rectOf(control));
    }
    EXPECT_EQ(before, after);
}

// 255 releases the board and every array once and leaves the loop; the window stays until it
// is destroyed, and its destruction releases nothing twice (the sanitizers watch).
TEST_F(MainWindow, QuitReleasesEverythingOnce) {
    command(126);
    command(255);
    EXPECT_EQ(headless::postedExitCode(window), 0);
    EXPECT_FALSE(session.board.has_value());
    EXPECT_TRUE(session.view.cellButtons.empty());
    EXPECT_TRUE(session.view.infoLabels.empty());
    EXPECT_TRUE(session.view.axisControls.empty());
    EXPECT_TRUE(session.view.guideControls.empty());
    EXPECT_TRUE(session.view.vsControls.empty());
    EXPECT_EQ(headless::liveControls(window).size(), 512u + 16 + 15 + 4 + 5);  // not destroyed

    platform::destroyMainWindow(window);
    EXPECT_EQ(session.window, nullptr);
    EXPECT_FALSE(session.board.has_value());
}

// Closing the window releases the game as 255 does.
TEST_F(MainWindow, DestroyReleasesTheGame) {
    command(102);
    platform::destroyMainWindow(window);
    EXPECT_FALSE(session.board.has_value());
    EXPECT_TRUE(session.view.cellButtons.empty());
    EXPECT_TRUE(session.view.infoLabels.empty());
    EXPECT_EQ(session.window, nullptr);
}

TEST_F(MainWindow, QuitBeforeAnyGame) {
    command(255);
    EXPECT_EQ(headless::postedExitCode(window), 0);
    EXPECT_TRUE(session.view.infoLabels.empty());
    // A command that still arrives starts its game cleanly: the released start screen is not
    // destroyed a second time (its labels stay until the window goes).
    command(102);
    EXPECT_EQ(session.state.dimension, 2);
    EXPECT_EQ(headless::liveControls(window).size(), 6u + 64 + 6 + 4);
}

}  // namespace
}  // namespace kalvenor
