// The computer against itself: the four stepping buttons.

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/coordinates.h"
#include "game/opening_game.h"
#include "game_harness.h"
#include "records/cp932.h"
#include "view/board_view.h"

namespace kalvenor::flows_test {
namespace {

using platform::MessageBoxResult;

enum Step { OneMove = 1, TenMoves = 2, ToTheEnd = 3, FromTheStart = 4 };

// CPU A's only legal cell is 61, which turns 60 and completes 56..61.
SavedGame firstWinsAtOnce() {
    std::vector<std::uint8_t> cells(64);
    for (const int cell : {56, 57, 58, 59}) {
        cells[cell] = 1;
    }
    cells[60] = 2;
    return savedGame(2, GameMode::CpuVsCpu, CellState::First, cells);
}

TEST(CpuVsCpu, OneStepFromTheOpening) {
    GameHarness game;
    game.load(standardOpeningGame(3, GameMode::CpuVsCpu));
    ASSERT_EQ(game.label(info_slot::Turn), " 1 turn : ■ 先手:CPU A");
    const std::size_t statusBefore = game.labelHistory(info_slot::Status).size();
    game.clickStep(OneMove);

    EXPECT_EQ(game.state().sideToMove, CellState::Second);
    EXPECT_EQ(game.state().turnNumberOf(CellState::First), 2);
    EXPECT_EQ(game.state().stoneCount, 9);
    EXPECT_EQ(game.board().count(CellState::Empty), 512 - 9);
    EXPECT_EQ(game.label(info_slot::Turn), " 1 turn : □ 後手:CPU B");
    EXPECT_EQ(game.label(info_slot::LastMove).rfind(" ■ cpu choice: 縦:", 0), 0U);
    const auto history = game.labelHistory(info_slot::Status);
    EXPECT_EQ(
        std::vector<std::string>(history.begin() + static_cast<std::ptrdiff_t>(statusBefore), history.end()),
        (std::vector<std::string>{" PLEASE WAIT : CPU PROGRAM RUN ･････ : CPU A",
                                  " PLEASE WAIT : GAME CONTINUE CHECKING ･････ ", " READY "}));
}

TEST(CpuVsCpu, TenStepsStopAtTheEndAndLaterStepsChangeNothing) {
    GameHarness game;
    game.load(firstWinsAtOnce());
    game.clickStep(TenMoves);

    EXPECT_FALSE(game.state().inProgress);
    EXPECT_EQ(game.state().turnNumberOf(CellState::First), 2);
    EXPECT_EQ(game.state().turnNumberOf(CellState::Second), 1);
    EXPECT_EQ(game.label(info_slot::Turn), " CPU A 勝利 ■:先手 ");
    ASSERT_EQ(game.boxes().size(), 1U);
    EXPECT_EQ(game.boxes().back().text, " CPU A 勝利 ■:先手 ");
    EXPECT_EQ(game.boxes().back().caption, " 対戦終了 ");

    for (const Step step : {OneMove, TenMoves, ToTheEnd}) {
        game.clickStep(step);
    }
    EXPECT_EQ(game.state().turnNumberOf(CellState::First), 2);
    EXPECT_EQ(game.state().turnNumberOf(CellState::Second), 1);
    EXPECT_EQ(game.boxes().size(), 1U);
}

TEST(CpuVsCpu, ToTheEndFromTheOpeningThenRestartKeepsTheView) {
    SavedGame saved = standardOpeningGame(4, GameMode::CpuVsCpu);
    saved.header.viewOffset = 3 * 512;  // coordinate 3 is 3: the slice holding the opening
    saved.header.guideLevel = 1;
    GameHarness game;
    game.switchRecordOn();
    game.load(saved);
    const std::size_t boxesBefore = game.boxes().size();
    game.clickStep(ToTheEnd);

    const GameState& state = game.state();
    EXPECT_FALSE(state.inProgress);
    EXPECT_EQ(game.boxes().size(), boxesBefore + 1);
    EXPECT_EQ(game.label(info_slot::FirstCount),
              " ■：" + std::to_string(game.board().count(CellState::First)));

    const std::size_t recordBefore = game.recordBytes().size();
    game.clickStep(FromTheStart);
    EXPECT_TRUE(state.inProgress);
    EXPECT_EQ(state.sideToMove, CellState::First);
    EXPECT_EQ(state.turnNumberOf(CellState::First), 1);
    EXPECT_EQ(state.turnNumberOf(CellState::Second), 1);
    EXPECT_EQ(state.stoneCount, 16);
    EXPECT_EQ(game.board().count(CellState::Empty), 4096 - 16);  // the standard opening again
    EXPECT_EQ(state.viewOffset, 3 * 512);
    EXPECT_EQ(state.guideLevel, 1);
    EXPECT_EQ(game.label(info_slot::Turn), " 1 turn : ■ 先手:CPU A");
    EXPECT_EQ(game.label(info_slot::LastMove), "");
    EXPECT_EQ(game.label(info_slot::FirstCount), " ■：8");

    const std::string added = game.recordBytes().substr(recordBefore);
    const std::string head =
        *encodeCp932("\r\n-------------------------------\r\n -- game restart --\r\n ４次元：CPU vs CPU\r\n");
    EXPECT_EQ(added.substr(0, head.size()), head);
    const std::string tail = *encodeCp932("-------------------------------\r\n game restart\r\n");
    ASSERT_GE(added.size(), tail.size());
    EXPECT_EQ(added.substr(added.size() - tail.size()), tail);
}

// Once the game is over the last-move label is empty, and a click on it leaves the view where it is.
TEST(CpuVsCpu, TheEmptyLastMoveLabelOfAFinishedGameDoesNothing) {
    SavedGame saved = standardOpeningGame(4, GameMode::CpuVsCpu);
    saved.header.viewOffset = 0;
    GameHarness game;
    game.load(saved);
    game.clickStep(ToTheEnd);
    ASSERT_FALSE(game.state().inProgress);
    ASSERT_EQ(game.label(info_slot::LastMove), "");
    ASSERT_NE(game.session.view.highlights.lastMove / 512, 0);  // the last stone stands in another slice

    game.clickControl(game.session.view.infoLabels.at(info_slot::LastMove));
    EXPECT_EQ(game.state().viewOffset, 0);
}

// Neither side can move on a board without a stone: the loaded game ends as a draw at once, and
// the advancing buttons then change nothing.
TEST(CpuVsCpu, ABoardWhereNobodyCanMoveEndsInADraw) {
    GameHarness game;
    SavedGame empty = standardOpeningGame(2, GameMode::CpuVsCpu);
    std::fill(empty.board.begin(), empty.board.end(), std::uint8_t{0});  // nothing to enclose
    game.load(empty);
    game.clickStep(ToTheEnd);
    EXPECT_FALSE(game.state().inProgress);
    EXPECT_EQ(game.state().turnNumberOf(CellState::First), 1);
    EXPECT_EQ(game.state().turnNumberOf(CellState::Second), 1);
    EXPECT_EQ(game.label(info_slot::Turn), " 引き分け");
    ASSERT_EQ(game.boxes().size(), 1U);
    EXPECT_EQ(game.boxes().back().text, "引き分けです");
    EXPECT_EQ(game.boxes().back().caption, "ゲーム終了");

    game.clickStep(OneMove);
    game.clickStep(TenMoves);
    EXPECT_EQ(game.state().turnNumberOf(CellState::First), 1);
    EXPECT_EQ(game.boxes().size(), 1U);
}

TEST(CpuVsCpu, AMenuCommandAfterASteppingClickDoesNotStepAgain) {
    GameHarness game;
    game.load(standardOpeningGame(2, GameMode::CpuVsCpu));
    game.clickStep(OneMove);
    ASSERT_EQ(game.state().turnNumberOf(CellState::First), 2);
    game.answerBox(MessageBoxResult::No);
    game.command(152);
    EXPECT_EQ(game.state().turnNumberOf(CellState::First), 2);
    EXPECT_EQ(game.state().turnNumberOf(CellState::Second), 1);
}

}  // namespace
}  // namespace kalvenor::flows_test
