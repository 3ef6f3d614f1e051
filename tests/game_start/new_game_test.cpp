#include "game/new_game.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <utility>

#include "records/cp932.h"
#include "records/utf8_path.h"
#include "ui/window_fixture.h"

namespace kalvenor {
namespace {

using platform::MessageBoxResult;
using platform::Rect;
using testing_support::WindowTest;
namespace headless = platform::headless;

TEST(GameStartIds, DecodeEveryId) {
    // The ids as the menus send them.
    const std::pair<int, GameStart> menuItems[] = {
        {101, {2, GameMode::HumanVsCpu}},   {102, {2, GameMode::HumanVsHuman}},
        {104, {3, GameMode::HumanVsHuman}}, {105, {4, GameMode::HumanVsCpu}},
        {110, {6, GameMode::HumanVsHuman}}, {113, {8, GameMode::HumanVsCpu}},
        {114, {8, GameMode::HumanVsHuman}}, {120, {2, GameMode::CpuVsCpu}},
        {123, {5, GameMode::CpuVsCpu}},     {126, {8, GameMode::CpuVsCpu}},
    };
    for (const auto& [id, start] : menuItems) {
        EXPECT_EQ(decodeGameStart(id), start) << id;
    }
    // Every id of the two ranges starts a game of its own, and that game's id is the id again.
    for (const auto& range : {std::pair{101, 114}, std::pair{120, 126}}) {
        for (int id = range.first; id <= range.second; ++id) {
            const auto start = decodeGameStart(id);
            ASSERT_TRUE(start.has_value()) << id;
            EXPECT_EQ(gameStartCommand(*start), id);
        }
    }
    for (int id : {0, 100, 115, 116, 117, 118, 119, 127, 150, 254, 255}) {
        EXPECT_FALSE(decodeGameStart(id).has_value()) << id;
    }
}

TEST(GameStartIds, SizesPerDimension) {
    const std::int32_t offsets[] = {0, 0, 1536, 13824, 112128, 898560, 7190016};
    for (int d = 2; d <= 8; ++d) {
        const BoardSizes sizes = boardSizes(d);
        EXPECT_EQ(sizes.cellCount, 1 << (3 * d)) << d;
        EXPECT_EQ(sizes.stoneCount, 1 << d) << d;
        EXPECT_EQ(sizes.viewCellCount, d <= 3 ? (1 << (3 * d)) : 512) << d;
        EXPECT_EQ(sizes.viewOffset, offsets[d - 2]) << d;
    }
}

using NewGame = WindowTest;

// Every dimension and mode: the sizes, the state, the labels and a few places that a wrong
// formula would move.
TEST_F(NewGame, EveryDimensionAndMode) {
    const std::string digits[] = {"２", "３", "４", "５", "６", "７", "８"};
    for (int d = 2; d <= 8; ++d) {
        for (GameMode mode : {GameMode::HumanVsHuman, GameMode::HumanVsCpu, GameMode::CpuVsCpu}) {
            SCOPED_TRACE(testing::Message() << "D=" << d << " mode=" << static_cast<int>(mode));
            const int id = mode == GameMode::CpuVsCpu     ? 118 + d
                           : mode == GameMode::HumanVsCpu ? 101 + 2 * (d - 2)
                                                          : 102 + 2 * (d - 2);
            if (mode == GameMode::HumanVsCpu) {
                startAgainstCpu(id, true);
            } else {
                command(id);
            }
            const GameState& state = session.state;
            const BoardSizes sizes = boardSizes(d);
            EXPECT_EQ(state.dimension, d);
            EXPECT_EQ(state.mode, mode);
            EXPECT_EQ(state.cellCount, sizes.cellCount);
            EXPECT_EQ(state.viewCellCount, sizes.viewCellCount);
            EXPECT_EQ(state.viewOffset, sizes.viewOffset);
            EXPECT_EQ(state.stoneCount, sizes.stoneCount);
            EXPECT_TRUE(state.inProgress);
            EXPECT_EQ(state.sideToMove, CellState::First);
            EXPECT_EQ(state.turnNumberOf(CellState::First), 1);
            EXPECT_EQ(state.turnNumberOf(CellState::Second), 1);
            EXPECT_EQ(state.guideLevel, 0);
            ASSERT_TRUE(session.board.has_value());
            // Games under the enclosure rule start from the standard opening, half of it each side's.
            const std::int32_t opening = mode == GameMode::HumanVsHuman ? 0 : sizes.stoneCount;
            EXPECT_EQ(session.board->count(CellState::Empty), sizes.cellCount - opening);
            EXPECT_EQ(session.board->count(CellState::First), opening / 2);

            const char* turn = mode == GameMode::CpuVsCpu     ? " 1 turn : ■ 先手:CPU A"
                               : mode == GameMode::HumanVsCpu ? " 1 turn : ■ ( 先手:貴方 )"
                                                              : " 1 turn : ■ ( 先手 )";
            EXPECT_EQ(info(0), turn);
            EXPECT_EQ(info(1), "");
            EXPECT_EQ(info(2), " ■：" + std::to_string(opening / 2));
            EXPECT_EQ(info(3), " □：" + std::to_string(opening / 2));

            ASSERT_EQ(session.view.cellButtons.size(), static_cast<std::size_t>(sizes.viewCellCount));
            EXPECT_EQ(headless::liveControls(window).size(),
                      sizes.viewCellCount + session.view.infoLabels.size() + 3 * std::max(0, d - 3) +
                          (d >= 3 && mode != GameMode::CpuVsCpu ? 5 : 4) +
                          (mode == GameMode::CpuVsCpu ? 5 : 0));
            for (int slot : {0, 63}) {
                EXPECT_EQ(cellText(slot), "");
            }
            if (d == 2) {
                EXPECT_EQ(rectOf(session.view.cellButtons[8 * 3 + 5]), (Rect{75, 125, 25, 25}));
                EXPECT_EQ(rectOf(session.view.infoLabels[0]), (Rect{0, 210, 250, 30}));
                EXPECT_EQ(info(4), "２次元");
            } else {
                EXPECT_EQ(rectOf(session.view.cellButtons[343]), (Rect{280, 445, 25, 25}));
                EXPECT_EQ(rectOf(session.view.infoLabels[0]), (Rect{0, 550, 250, 30}));
                EXPECT_EQ(info(4), "１段目");
                EXPECT_EQ(info(12), "");
                const int captionSlot = d == 3 ? 13 : 15;
                EXPECT_EQ(info(captionSlot).substr(0, digits[d - 2].size()), digits[d - 2]);
                EXPECT_EQ(rectOf(session.view.infoLabels[captionSlot]), (Rect{0, 500, 200, 30}));
                EXPECT_EQ(rectOf(session.view.infoLabels[1]).width, d >= 5 ? 900 : 500);
            }
            for (int k = 0; k + 3 < d; ++k) {
                EXPECT_EQ(headless::record(trackBar(k)).trackPosition, 4);
                EXPECT_EQ(headless::record(trackBar(k)).trackMinimum, 1);
                EXPECT_EQ(headless::record(trackBar(k)).trackMaximum, 8);
                EXPECT_EQ(trackValue(k), "4");
            }
            if (mode == GameMode::CpuVsCpu) {
                EXPECT_EQ(rectOf(session.view.vsControls[1]).x, d == 2 ? 330 : 900);
            }
        }
    }
}

TEST_F(NewGame, SixAxesBetweenPeople) {
    command(110);
    EXPECT_EQ(session.state.cellCount, 262144);
    EXPECT_EQ(session.state.viewCellCount, 512);
    EXPECT_EQ(session.state.viewOffset, 112128);
    EXPECT_EQ(session.state.stoneCount, 64);
    EXPECT_EQ(axisGroupCount(session.view), 3);
    EXPECT_EQ(text(axisGroup(session.view, 2).caption), "抽象軸 A ");
    EXPECT_EQ(axisGroup(session.view, 3).caption, nullptr);
}

TEST_F(NewGame, QuestionForTheFirstMove) {
    startAgainstCpu(101, true);
    const auto& boxes = headless::messageBoxLog(window);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "先攻ですか？");
    EXPECT_EQ(boxes[0].caption, "対CPU戦 先攻 or 後攻 選択");
    EXPECT_EQ(boxes[0].style.buttons, platform::MessageBoxButtons::YesNo);
    EXPECT_EQ(boxes[0].style.icon, platform::MessageBoxIcon::Question);
    EXPECT_EQ(session.state.humanSide, CellState::First);
}

// The computer opens from the standard opening with a real move.
TEST_F(NewGame, ComputerOpensFourAxesWithAMove) {
    startAgainstCpu(105, false);
    const GameState& state = session.state;
    EXPECT_EQ(state.humanSide, CellState::Second);
    EXPECT_EQ(info(1).rfind(" ■ cpu choice: 縦:", 0), 0u) << info(1);
    EXPECT_EQ(state.turnNumberOf(CellState::First), 2);
    EXPECT_EQ(state.turnNumberOf(CellState::Second), 1);
    EXPECT_EQ(state.sideToMove, CellState::Second);
    EXPECT_EQ(state.stoneCount, 18);  // 2^4, the stone placed, and the opening's own raise
    EXPECT_EQ(info(0), " 1 turn : □ ( 後手:貴方 )");
    EXPECT_GT(session.board->count(CellState::First), 9);  // the stone and at least one turned
    EXPECT_EQ(info(2), " ■：" + std::to_string(session.board->count(CellState::First)));
    EXPECT_TRUE(state.inProgress);
    // The turn label showed the computer's turn before its reply.
    const auto& history = headless::record(session.view.infoLabels[0]).textHistory;
    ASSERT_GE(history.size(), 2u);
    EXPECT_EQ(history[1], " 1 turn : ■ ( 先手:CPU  )");
}

TEST_F(NewGame, BetweenComputersAfterThePersonPlayedSecond) {
    startAgainstCpu(103, false);
    command(120);
    EXPECT_EQ(session.state.sideToMove, CellState::First);
    EXPECT_EQ(session.state.humanSide, CellState::Second);  // kept for the next game against the person
    EXPECT_EQ(session.state.turnNumberOf(CellState::First), 1);
    EXPECT_EQ(info(0), " 1 turn : ■ 先手:CPU A");
    EXPECT_EQ(info(1), "");
    EXPECT_EQ(session.state.stoneCount, 4);
    EXPECT_EQ(session.board->count(CellState::Empty), 60);  // the standard opening again
}

TEST_F(NewGame, KeepsTheRecordSwitch) {
    session.state.recordEnabled = true;
    command(104);
    EXPECT_TRUE(session.state.recordEnabled);
}

// Starting over discards every control of the previous view (and the start screen's labels
// before that); the sanitizers watch the release of the arrays and the board.
TEST_F(NewGame, NewGameReplacesTheRunningOne) {
    const std::vector<platform::ControlHandle> startScreen = headless::liveControls(window);
    ASSERT_EQ(startScreen.size(), 6u);
    command(102);
    for (const platform::ControlHandle control : startScreen) {
        EXPECT_FALSE(headless::isLive(window, control));
    }
    const std::vector<platform::ControlHandle> firstGame = headless::liveControls(window);
    headless::click(session.view.cellButtons[0]);
    ASSERT_EQ((*session.board)[0], CellState::First);

    command(126);
    for (const platform::ControlHandle control : firstGame) {
        EXPECT_FALSE(headless::isLive(window, control));
    }
    EXPECT_EQ(headless::liveControls(window).size(), 512u + 16 + 15 + 4 + 5);
    EXPECT_EQ(session.board->count(CellState::First), 128);  // half of the 256 opening stones
    EXPECT_EQ(session.state.turnNumberOf(CellState::First), 1);

    command(104);
    EXPECT_EQ(headless::liveControls(window).size(), 512u + 14 + 5);
    EXPECT_TRUE(session.view.axisControls.empty());
    EXPECT_TRUE(session.view.vsControls.empty());
}

// The record file's lines, each as code page 932 bytes without its CR LF.
std::vector<std::string> recordLines(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(bytes.substr(start, end - start));
    }
    return lines;
}

std::string cp932(std::string_view text) {
    return encodeCp932(text).value();
}

std::ptrdiff_t lineIndex(const std::vector<std::string>& lines, std::string_view utf8) {
    const auto it = std::find(lines.begin(), lines.end(), cp932(utf8));
    return it == lines.end() ? -1 : it - lines.begin();
}

std::ptrdiff_t lineStarting(const std::vector<std::string>& lines, std::string_view utf8) {
    const auto it = std::find_if(lines.begin(), lines.end(), [prefix = cp932(utf8)](const std::string& line) {
        return line.starts_with(prefix);
    });
    return it == lines.end() ? -1 : it - lines.begin();
}

// The header block: blank line, rule, heading, mode line, player line, time, rule.
void expectHeaderAt(const std::vector<std::string>& lines, std::ptrdiff_t heading,
                    std::string_view modeLine) {
    ASSERT_GE(heading, 2);
    ASSERT_LT(heading + 4, static_cast<std::ptrdiff_t>(lines.size()));
    const std::string rule = "-------------------------------";
    EXPECT_EQ(lines[heading - 2], "");
    EXPECT_EQ(lines[heading - 1], rule);
    EXPECT_EQ(lines[heading + 1], cp932(modeLine));
    EXPECT_EQ(lines[heading + 2], cp932(" player 後攻 : □"));
    EXPECT_EQ(lines[heading + 4], rule);
}

TEST_F(NewGame, RecordOfTwoAxesWithTheComputerOpening) {
    session.state.recordEnabled = true;
    startAgainstCpu(101, false);
    const auto lines = recordLines(recordPath());
    const auto move = lineStarting(lines, " ■ cpu    choice: 縦:");
    const auto heading = lineIndex(lines, " -- game start --");
    const auto start = lineIndex(lines, " game start");
    ASSERT_GE(move, 0);
    // The computer's opening comes before the header on two axes.
    EXPECT_LT(move, heading);
    expectHeaderAt(lines, heading, " ２次元：対CPU戦");
    EXPECT_GT(start, heading + 4);
    EXPECT_EQ(lines.back(), "");  // " game start" is followed by the board's blank line
}

TEST_F(NewGame, RecordOfThreeAxesWithTheComputerOpening) {
    session.state.recordEnabled = true;
    startAgainstCpu(103, false);
    const auto lines = recordLines(recordPath());
    const auto move = lineStarting(lines, " ■ cpu    choice: 縦:");
    const auto heading = lineIndex(lines, " -- game start --");
    const auto start = lineIndex(lines, " game start");
    ASSERT_GE(heading, 0);
    expectHeaderAt(lines, heading, " ３次元：対CPU戦");
    EXPECT_EQ(heading, 2);  // the header opens the game's entries
    EXPECT_GT(move, heading + 4);
    EXPECT_GT(start, move);
}

TEST_F(NewGame, RecordOfFourAxesHasNoStartLine) {
    session.state.recordEnabled = true;
    command(106);
    const auto lines = recordLines(recordPath());
    EXPECT_EQ(lineIndex(lines, " game start"), -1);
    EXPECT_EQ(lineIndex(lines, " -- game start --"), 2);
    EXPECT_EQ(lines.size(), 6u);  // blank, rule, heading, mode, time, rule
}

// A record that cannot be written says so once, with its path and the reason, and switches
// itself off; the game starts and goes on all the same.
TEST_F(NewGame, RecordFailureShowsOneBoxAndSwitchesTheRecordOff) {
    session.state.recordEnabled = true;
    session.record = GameRecordFile(pathFromUtf8("/nonexistent-directory/棋譜.txt"));
    command(104);
    command(102);
    EXPECT_EQ(session.state.dimension, 2);
    EXPECT_TRUE(session.state.inProgress);
    EXPECT_FALSE(session.state.recordEnabled);
    const auto& boxes = headless::messageBoxLog(window);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Can not Open File");
    EXPECT_TRUE(boxes[0].text.starts_with("/nonexistent-directory/棋譜.txt\ncannot open: ")) << boxes[0].text;
#ifndef _WIN32
    EXPECT_EQ(boxes[0].text, "/nonexistent-directory/棋譜.txt\ncannot open: No such file or directory");
#endif
    EXPECT_EQ(boxes[0].style.icon, platform::MessageBoxIcon::Exclamation);
}

}  // namespace
}  // namespace kalvenor
