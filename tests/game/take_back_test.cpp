// Against the computer: the level, the hint and taking back (待った), on two and eight axes.

#include <gtest/gtest.h>

#include <vector>

#include "cpu/move_choice.h"
#include "cpu/strong_player.h"
#include "engine/enclosure_counts.h"
#include "game/opening_game.h"
#include "game_harness.h"
#include "records/cp932.h"
#include "records/texts.h"
#include "ui/command_routing.h"
#include "view/board_view.h"

namespace kalvenor::flows_test {
namespace {

// Everything that taking back must restore.
struct Snapshot {
    std::vector<std::uint8_t> cells;
    GameState state;
    std::vector<std::string> labels;
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

Snapshot snapshotOf(const GameHarness& game) {
    Snapshot snapshot{{game.board().bytes().begin(), game.board().bytes().end()}, game.state(), {}};
    for (std::size_t slot = 0; slot < game.session.view.infoLabels.size(); ++slot) {
        snapshot.labels.push_back(game.label(static_cast<int>(slot)));
    }
    return snapshot;
}

// A cell on screen where the person's stone is legal, the first in index order.
std::int32_t legalCellOnScreen(const GameHarness& game) {
    std::vector<EnclosureCount> moves;
    collectEnclosureCounts(game.board(), game.state().humanSide, moves);
    const std::int32_t first = game.state().viewOffset;
    const auto shown = static_cast<std::int32_t>(game.session.view.cellButtons.size());
    for (const EnclosureCount& move : moves) {
        if (move.cell >= first && move.cell < first + shown) {
            return move.cell;
        }
    }
    return -1;
}

std::string recordLine(CellState side) {
    return encodeCp932(takeBackText(side)).value_or("?") + "\r\n";
}

class TakeBack : public ::testing::TestWithParam<int> {};

TEST_P(TakeBack, RestoresEveryMoveExactlyBackToTheStart) {
    const int dimension = GetParam();
    GameHarness game;
    game.switchRecordOn();
    game.load(standardOpeningGame(dimension, GameMode::HumanVsCpu, CellState::First));
    if (dimension == 2) {  // on eight axes the greedy level keeps the test quick
        game.command(command_id::StrongLevel);
    }
    std::vector<Snapshot> before;
    for (int move = 0; move < 3 && game.state().inProgress; ++move) {
        const std::int32_t cell = legalCellOnScreen(game);
        ASSERT_GE(cell, 0);
        before.push_back(snapshotOf(game));
        game.clickCell(cell);
        ASSERT_NE(snapshotOf(game), before.back()) << "the move and the reply change the game";
    }
    while (!before.empty()) {
        const std::size_t recordSize = game.recordBytes().size();
        game.command(command_id::TakeBack);
        EXPECT_EQ(snapshotOf(game), before.back()) << "after taking back move " << before.size();
        // One line (after the board's picture on two axes).
        const std::string written = game.recordBytes().substr(recordSize);
        EXPECT_NE(written.find(recordLine(CellState::First)), std::string::npos) << written;
        before.pop_back();
    }
    // At the start nothing is left to take back: nothing changes, nothing is written.
    const Snapshot start = snapshotOf(game);
    const std::string record = game.recordBytes();
    game.command(command_id::TakeBack);
    EXPECT_EQ(snapshotOf(game), start);
    EXPECT_EQ(game.recordBytes(), record);
}

INSTANTIATE_TEST_SUITE_P(TwoAndEightAxes, TakeBack, ::testing::Values(2, 8));

TEST(TakeBackBetweenPeople, TakesBackTheLastMoveOnly) {
    GameHarness game;
    game.command(102);
    game.clickCell(0);
    const Snapshot afterFirst = snapshotOf(game);
    game.clickCell(9);
    game.command(command_id::TakeBack);
    EXPECT_EQ(snapshotOf(game), afterFirst);
    EXPECT_EQ(game.state().sideToMove, CellState::Second);
}

TEST(TakeBackBetweenPeople, ReopensAGameTheLastMoveWon) {
    GameHarness game;
    game.command(102);
    for (const std::int32_t cell : {0, 8, 1, 9, 2, 10, 3, 11}) {
        game.clickCell(cell);
    }
    const Snapshot beforeFive = snapshotOf(game);
    game.answerBox(platform::MessageBoxResult::Ok);
    game.clickCell(4);
    ASSERT_FALSE(game.state().inProgress);
    game.command(command_id::TakeBack);
    EXPECT_EQ(snapshotOf(game), beforeFive);
    EXPECT_TRUE(game.state().inProgress);
}

TEST(ComputerLevel, TheStrongLevelAnswersAndTheComputersAmongThemselvesStayClassic) {
    // Against the person: the computer's reply is the strong level's choice.
    GameHarness strong;
    strong.load(standardOpeningGame(3, GameMode::HumanVsCpu, CellState::Second));
    ASSERT_EQ(strong.state().sideToMove, CellState::Second) << "the computer has opened";
    strong.command(command_id::StrongLevel);
    const std::int32_t cell = legalCellOnScreen(strong);
    ASSERT_GE(cell, 0);
    strong.clickCell(cell);
    Board expected(3);
    expected.assign(strong.board().bytes());
    // Taken back and played again: the same position gives the same reply.
    strong.command(command_id::TakeBack);
    strong.clickCell(cell);
    EXPECT_TRUE(std::equal(expected.bytes().begin(), expected.bytes().end(), strong.board().bytes().begin()))
        << "the same position gives the same reply";

    // The computer against itself plays the classic strategies whatever the level.
    const auto playToTheEnd = [](CpuLevel level) {
        GameHarness game;
        game.session.cpuLevel = level;
        game.load(standardOpeningGame(3, GameMode::CpuVsCpu));
        game.answerBox(platform::MessageBoxResult::Ok);
        game.clickStep(3);
        return std::vector<std::uint8_t>(game.board().bytes().begin(), game.board().bytes().end());
    };
    EXPECT_EQ(playToTheEnd(CpuLevel::Strong), playToTheEnd(CpuLevel::Standard));
}

TEST(Hint, MarksTheStrongLevelsCellAndWritesNothing) {
    GameHarness game;
    game.switchRecordOn();
    game.load(standardOpeningGame(4, GameMode::HumanVsCpu, CellState::First));
    Board copy(4);
    copy.assign(game.board().bytes());
    const std::int32_t expected = chooseStrongMove(copy, CellState::First);
    ASSERT_GE(expected, 0);
    const std::string record = game.recordBytes();
    game.command(command_id::Hint);
    const std::int32_t slot = expected - game.state().viewOffset;
    ASSERT_GE(slot, 0) << "the view shows the slice of the hint";
    ASSERT_LT(slot, 512);
    EXPECT_EQ(platform::controlText(game.session.view.cellButtons[static_cast<std::size_t>(slot)]), "◎");
    EXPECT_EQ(game.recordBytes(), record);
    EXPECT_EQ(game.state().sideToMove, CellState::First);
}

}  // namespace
}  // namespace kalvenor::flows_test
