// Games between two people: moves, labels, the end of the game and the record's bytes.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "engine/five.h"
#include "game/record_timestamp.h"
#include "game_harness.h"
#include "records/cp932.h"
#include "records/texts.h"
#include "view/board_view.h"

namespace kalvenor::flows_test {
namespace {

using platform::MessageBoxResult;

constexpr int kTwoPersonTwoAxes = 102;
constexpr int kTwoPersonThreeAxes = 104;

std::string goldenFile(const char* name) {
    const char* source = std::getenv("KALVENOR_SOURCE_DIR");
    std::filesystem::path dir = source != nullptr ? source : ".";
    return fileBytes(dir / "tests/game/data" / name);
}

TEST(TwoPersonGame, FiveAlongAxisZeroWinsWithLabelsBoxAndRecord) {
    GameHarness game;
    game.switchRecordOn();
    game.command(kTwoPersonTwoAxes);

    game.clickCell(0);
    EXPECT_EQ(game.label(info_slot::LastMove), " ■ player choice: 縦:1  横:1");
    EXPECT_EQ(game.label(info_slot::Turn), " 1 turn : □ ( 後手 )");
    EXPECT_EQ(game.label(info_slot::FirstCount), " ■：1");
    EXPECT_EQ(game.state().stoneCount, 5);
    EXPECT_EQ(game.state().turnNumberOf(CellState::First), 2);
    EXPECT_EQ(game.state().sideToMove, CellState::Second);

    for (const std::int32_t cell : {8, 1, 9, 2, 10, 3, 11}) {
        game.clickCell(cell);
    }
    EXPECT_TRUE(game.state().inProgress);
    EXPECT_EQ(game.label(info_slot::Turn), " 5 turn : ■ ( 先手 )");
    game.clickCell(4);

    EXPECT_FALSE(game.state().inProgress);
    EXPECT_EQ(game.label(info_slot::Turn), " 先手 勝利 : ■ ");
    EXPECT_EQ(game.label(info_slot::LastMove), "");
    EXPECT_EQ(game.label(info_slot::FirstCount), " ■：5");
    EXPECT_EQ(game.label(info_slot::SecondCount), " □：4");
    const auto boxes = game.boxes();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back().text, "先手のプレイヤーの勝利です");
    EXPECT_EQ(boxes.back().caption, "ゲーム終了");
    EXPECT_EQ(boxes.back().style.buttons, platform::MessageBoxButtons::Ok);
    EXPECT_EQ(boxes.back().style.icon, platform::MessageBoxIcon::None);

    EXPECT_EQ(test::maskTimestamp(game.recordBytes()), goldenFile("two_person_five.txt"));

    // A finished game takes no more moves.
    game.clickCell(20);
    EXPECT_EQ(game.board()[20], CellState::Empty);
}

TEST(TwoPersonGame, RefusedClicksChangeNothing) {
    GameHarness game;
    game.command(kTwoPersonTwoAxes);
    game.clickCell(9);
    ASSERT_EQ(game.board()[9], CellState::First);

    game.clickCell(9);  // occupied
    game.clickControl(game.session.view.infoLabels.at(info_slot::Turn));
    game.answerBox(MessageBoxResult::No);
    game.command(152);  // a menu command after a cell click does not repeat the click
    EXPECT_EQ(game.state().sideToMove, CellState::Second);
    EXPECT_EQ(game.state().stoneCount, 5);
    EXPECT_EQ(game.board().count(CellState::Second), 0);
}

// Every cell filled so that no side has five in a row: (coordinate 1 + 2 coordinate 0) mod 4 < 2
// gives First.
std::vector<std::uint8_t> fullBoardWithoutFive() {
    std::vector<std::uint8_t> cells(64);
    for (int cell = 0; cell < 64; ++cell) {
        const int c0 = cell % 8;
        const int c1 = cell / 8;
        cells[cell] = (c1 + 2 * c0) % 4 < 2 ? 1 : 2;
    }
    return cells;
}

TEST(TwoPersonGame, LastEmptyCellWithoutFiveIsADraw) {
    std::vector<std::uint8_t> cells = fullBoardWithoutFive();
    const auto lastSide = static_cast<CellState>(cells[63]);
    cells[63] = 0;
    SavedGame saved = savedGame(2, GameMode::HumanVsHuman, CellState::First, cells);
    saved.header.sideToMove = static_cast<std::int32_t>(lastSide);
    GameHarness game;
    game.load(saved);
    game.switchRecordOn();
    game.clickCell(63);

    EXPECT_FALSE(game.state().inProgress);
    EXPECT_EQ(game.label(info_slot::Turn), " 引き分け");
    ASSERT_FALSE(game.boxes().empty());
    EXPECT_EQ(game.boxes().back().text, "引き分けです");
    EXPECT_EQ(game.boxes().back().caption, "ゲーム終了");
    const std::string record = game.recordBytes();
    const std::string tail = *encodeCp932(" 引き分け\r\n ■：32\r\n □：32\r\n");
    EXPECT_EQ(record.substr(record.size() - tail.size()), tail);
}

TEST(TwoPersonGame, FiveOnALineOfExactlyFiveCellsWins) {
    // (0,3) (1,4) (2,5) (3,6) (4,7): the whole short diagonal. Second's stones stay far away.
    GameHarness game;
    game.command(kTwoPersonTwoAxes);
    const std::int32_t diagonal[] = {24, 33, 42, 51, 60};
    const std::int32_t elsewhere[] = {0, 1, 2, 16};
    for (int i = 0; i < 4; ++i) {
        game.clickCell(diagonal[i]);
        game.clickCell(elsewhere[i]);
    }
    ASSERT_TRUE(game.state().inProgress);
    game.clickCell(diagonal[4]);
    EXPECT_FALSE(game.state().inProgress);
    EXPECT_EQ(game.label(info_slot::Turn), " 先手 勝利 : ■ ");
}

// A loaded game in progress whose board already holds a five ends as soon as it is loaded, as
// the check after that move would have ended it.
TEST(TwoPersonGame, FiveInALoadedGameEndsItAtOnce) {
    std::vector<std::uint8_t> cells(64);
    for (const int cell : {0, 9, 18, 27, 36}) {
        cells[cell] = 1;
    }
    for (const int cell : {7, 15, 23}) {
        cells[cell] = 2;
    }
    for (const CellState toMove : {CellState::Second, CellState::First}) {
        SavedGame saved = savedGame(2, GameMode::HumanVsHuman, CellState::First, cells);
        saved.header.sideToMove = static_cast<std::int32_t>(toMove);
        GameHarness game;
        game.load(saved);
        EXPECT_FALSE(game.state().inProgress);
        EXPECT_EQ(game.label(info_slot::Turn), " 先手 勝利 : ■ ");
        ASSERT_EQ(game.boxes().size(), 1U);
        EXPECT_EQ(game.boxes().back().text, "先手のプレイヤーの勝利です");
        game.clickCell(63);
        EXPECT_EQ(game.board()[63], CellState::Empty);
    }
}

TEST(TwoPersonGame, StatusTextsOnThreeAxesAndNoneOnTwo) {
    GameHarness three;
    three.command(kTwoPersonThreeAxes);
    const std::size_t before = three.labelHistory(info_slot::Status).size();
    three.clickCell(100);
    const auto history = three.labelHistory(info_slot::Status);
    const std::vector<std::string> added(history.begin() + static_cast<std::ptrdiff_t>(before),
                                         history.end());
    EXPECT_EQ(added, (std::vector<std::string>{" PLEASE WAIT : GAME CONTINUE CHECKING ･････ ",
                                               " PLEASE WAIT : AUTO PASS CHECKING ･････ ", " READY "}));
    EXPECT_EQ(three.label(info_slot::LastMove), " ■ player choice: 縦:5  横:5  高さ:2");

    GameHarness two;
    two.command(kTwoPersonTwoAxes);
    const auto labels = two.session.view.infoLabels;
    two.clickCell(5);
    for (std::size_t slot = 4; slot < labels.size(); ++slot) {
        if (labels[slot] != nullptr) {
            EXPECT_EQ(two.labelHistory(static_cast<int>(slot)).size(), 1U) << "slot " << slot;
        }
    }
}

}  // namespace
}  // namespace kalvenor::flows_test
