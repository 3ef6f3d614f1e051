// Against the computer: the level, the hint and taking back (待った), on two and eight axes.

#include <gtest/gtest.h>

#include <regex>
#include <vector>

#include "cpu/move_choice.h"
#include "cpu/strong_player.h"
#include "engine/enclosure_counts.h"
#include "game/opening_game.h"
#include "game_harness.h"
#include "platform/headless/headless.h"
#include "records/cp932.h"
#include "records/texts.h"
#include "snapshot.h"
#include "ui/command_routing.h"
#include "view/board_view.h"

namespace kalvenor::flows_test {
namespace {

std::string recordLine(const std::string& text) {
    return encodeCp932(text).value_or("?") + "\r\n";
}

// What the command wrote to the record.
std::string recordedBy(GameHarness& game, int commandId) {
    const std::size_t before = game.recordBytes().size();
    game.command(commandId);
    return game.recordBytes().substr(before);
}

std::string announced(const GameHarness& game) {
    return platform::headless::lastAnnouncement(game.session.window);
}

// The stones of a move as said when it was played, without the counts of stones turned: as a
// take-back or a redo names them.
std::string stonesSaid(const std::string& moveSaid) {
    static const std::regex turnCount("  [0-9]+個返った。");
    return std::regex_replace(moveSaid, turnCount, "");
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
    std::vector<Snapshot> positions{snapshotOf(game)};  // before each move, then after the last
    std::vector<std::string> stonesOfMove;              // each move with its reply, as said when played
    for (int move = 0; move < 3 && game.state().inProgress; ++move) {
        const std::int32_t cell = legalCellOnScreen(game);
        ASSERT_GE(cell, 0);
        game.clickCell(cell);
        positions.push_back(snapshotOf(game));
        stonesOfMove.push_back(stonesSaid(announced(game)));
        ASSERT_NE(positions.back(), positions[positions.size() - 2])
            << "the move and the reply change the game";
    }
    const std::size_t moves = positions.size() - 1;
    for (std::size_t back = 1; back <= moves; ++back) {
        // One line (after the board's picture on two axes).
        EXPECT_NE(recordedBy(game, command_id::TakeBack).find(recordLine(takeBackText(CellState::First))),
                  std::string::npos);
        EXPECT_EQ(snapshotOf(game), positions[moves - back]) << "after taking back move " << moves - back + 1;
        EXPECT_EQ(announced(game), "待った：" + stonesOfMove[moves - back]);
    }
    // At the start nothing is left to take back: nothing changes, nothing is written.
    EXPECT_EQ(recordedBy(game, command_id::TakeBack), "");
    EXPECT_EQ(snapshotOf(game), positions.front());

    // やり直し plays the same stones again, one step at a time, up to where the take-backs began.
    for (std::size_t move = 1; move <= moves; ++move) {
        EXPECT_NE(recordedBy(game, command_id::Redo).find(recordLine(redoText(CellState::First))),
                  std::string::npos);
        EXPECT_EQ(snapshotOf(game), positions[move]) << "after playing move " << move << " again";
        EXPECT_EQ(announced(game), "やり直し：" + stonesOfMove[move - 1]);
    }
    EXPECT_EQ(recordedBy(game, command_id::Redo), "");
    EXPECT_EQ(snapshotOf(game), positions.back());

    // A take-back after the redos goes back again; a new move then leaves nothing to redo.
    game.command(command_id::TakeBack);
    game.command(command_id::TakeBack);
    ASSERT_EQ(snapshotOf(game), positions[moves - 2]);
    const std::int32_t cell = legalCellOnScreen(game);
    ASSERT_GE(cell, 0);
    game.clickCell(cell);
    const Snapshot afterNewMove = snapshotOf(game);
    EXPECT_EQ(recordedBy(game, command_id::Redo), "");
    EXPECT_EQ(snapshotOf(game), afterNewMove);
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

// Cells of three axes whose coordinates are all 0..3: no line of five fits among them.
std::vector<std::int32_t> cellsWithoutAFive() {
    std::vector<std::int32_t> cells;
    for (std::int32_t z = 0; z < 4; ++z) {
        for (std::int32_t y = 0; y < 4; ++y) {
            for (std::int32_t x = 0; x < 4; ++x) {
                cells.push_back(x + 8 * y + 64 * z);
            }
        }
    }
    return cells;
}

TEST(TakeBackBetweenPeople, AVeryLongGameIsTakenBackOnlyAsFarAsTheHistoryBudgetKeeps) {
    GameHarness game;
    game.command(104);
    constexpr std::size_t kBudget = 16 * 1024;  // a handful of steps on three axes
    game.session.history = GameHistory(kBudget);
    std::vector<Snapshot> positions{snapshotOf(game)};
    for (const std::int32_t cell : cellsWithoutAFive()) {
        game.clickCell(cell);
        positions.push_back(snapshotOf(game));
        ASSERT_LE(game.session.history.bytes(), kBudget);
    }
    ASSERT_TRUE(game.state().inProgress);
    std::size_t takenBack = 0;
    while (takenBack < positions.size() - 1) {
        const Snapshot before = snapshotOf(game);
        game.command(command_id::TakeBack);
        if (snapshotOf(game) == before) {
            break;  // the oldest step kept: the usual nothing
        }
        ++takenBack;
        ASSERT_EQ(snapshotOf(game), positions[positions.size() - 1 - takenBack]);
    }
    EXPECT_GT(takenBack, 3u);
    EXPECT_LT(takenBack, positions.size() - 1) << "the oldest steps were let go";
    // What the budget still holds can be played again, step by step.
    std::size_t redone = 0;
    for (Snapshot before = snapshotOf(game);; before = snapshotOf(game)) {
        game.command(command_id::Redo);
        if (snapshotOf(game) == before) {
            break;
        }
        ++redone;
        ASSERT_EQ(snapshotOf(game), positions[positions.size() - 1 - takenBack + redone]);
        ASSERT_LE(game.session.history.bytes(), kBudget);
    }
    EXPECT_GE(redone + 1, takenBack);
}

// The winning move is said before the result box opens, and the take-back and the redo say
// what they did, in the window's language.
TEST(TakeBackBetweenPeople, ReopensAGameTheLastMoveWon) {
    GameHarness game;
    game.command(102);
    for (const std::int32_t cell : {0, 8, 1, 9, 2, 10, 3, 11}) {
        game.clickCell(cell);
    }
    const Snapshot beforeFive = snapshotOf(game);
    std::string saidAtTheBox;
    platform::headless::setPromptObserver(
        game.session.window,
        {[&](const platform::headless::MessageBoxRecord&) { saidAtTheBox = announced(game); }, {}, {}});
    game.answerBox(platform::MessageBoxResult::Ok);
    game.clickCell(4);
    ASSERT_FALSE(game.state().inProgress);
    EXPECT_EQ(saidAtTheBox, "縦:5  横:1  先手の石 ■");
    game.command(command_id::TakeBack);
    EXPECT_EQ(snapshotOf(game), beforeFive);
    EXPECT_TRUE(game.state().inProgress);
    EXPECT_EQ(announced(game), "待った：縦:5  横:1  先手の石 ■");

    game.command(command_id::English);
    game.command(command_id::Redo);
    EXPECT_FALSE(game.state().inProgress);
    EXPECT_EQ(announced(game), "Played again: Row:5  Column:1  first player's stone ■");
    game.command(command_id::TakeBack);
    EXPECT_EQ(announced(game), "Taken back: Row:5  Column:1  first player's stone ■");
    game.command(command_id::Japanese);
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
