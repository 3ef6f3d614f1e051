// A person against the computer: legal and refused clicks, the computer's replies and the
// automatic passes of both sides, with their status and progress texts.

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/coordinates.h"
#include "engine/enclosure.h"
#include "game/opening_game.h"
#include "game_harness.h"
#include "platform/headless/headless.h"
#include "records/cp932.h"
#include "view/board_view.h"

namespace kalvenor::flows_test {
namespace {

using Strings = std::vector<std::string>;

// Texts a label received after the first `skip` ones.
Strings textsAfter(const Strings& history, std::size_t skip) {
    return {history.begin() + static_cast<std::ptrdiff_t>(std::min(skip, history.size())), history.end()};
}

bool contains(const Strings& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// A position where the person (First) plays 2 and turns 1; the computer's best answer is 58,
// which turns 57; then the person has no move and passes silently, the computer plays 226 (far
// away, on the fourth layer) turning 225, and neither side can move any more: a draw. With
// `computerFive`, the computer's answer at 61 completes six in a row.
SavedGame passingPosition(int dimension, bool computerFive = false) {
    std::vector<std::uint8_t> cells(static_cast<std::size_t>(integerPower(8, dimension)));
    cells[0] = 1;
    cells[1] = 2;
    if (computerFive) {
        for (const int cell : {56, 57, 58, 59}) {
            cells[cell] = 2;
        }
        cells[60] = 1;
    } else {
        cells[56] = 2;
        cells[57] = 1;
        cells[224] = 2;
        cells[225] = 1;
    }
    SavedGame saved = savedGame(dimension, GameMode::HumanVsCpu, CellState::First, cells);
    saved.header.viewOffset = 0;
    return saved;
}

TEST(HumanVsCpu, RefusedClicksAndALegalMoveWithTheComputersReply) {
    GameHarness game;
    game.switchRecordOn();
    game.load(standardOpeningGame(2, GameMode::HumanVsCpu, CellState::First));
    ASSERT_EQ(game.label(info_slot::Turn), " 1 turn : ■ ( 先手:貴方 )");
    const std::string recordBefore = game.recordBytes();

    game.clickCell(0);   // encloses nothing
    game.clickCell(27);  // occupied
    EXPECT_EQ(game.state().stoneCount, 4);
    EXPECT_EQ(game.state().turnNumberOf(CellState::First), 1);
    EXPECT_EQ(game.recordBytes(), recordBefore);

    game.clickCell(19);  // (3, 2): encloses 27 against 35
    EXPECT_EQ(game.state().sideToMove, CellState::First);
    EXPECT_EQ(game.state().turnNumberOf(CellState::First), 2);
    EXPECT_EQ(game.state().turnNumberOf(CellState::Second), 2);
    EXPECT_EQ(game.state().stoneCount, 6);
    EXPECT_EQ(game.board().count(CellState::Empty), 64 - 6);
    EXPECT_EQ(game.label(info_slot::Turn), " 2 turn : ■ ( 先手:貴方 )");
    EXPECT_EQ(game.label(info_slot::LastMove).rfind(" □ cpu choice: 縦:", 0), 0U)
        << game.label(info_slot::LastMove);
    EXPECT_EQ(game.label(info_slot::FirstCount),
              " ■：" + std::to_string(game.board().count(CellState::First)));

    const std::string record = game.recordBytes();
    EXPECT_NE(record.find(*encodeCp932(" ■ player choice: 縦:4  横:3\r\n\r\n")), std::string::npos);
    EXPECT_NE(record.find(*encodeCp932(" □ cpu    choice: 縦:")), std::string::npos);
}

TEST(HumanVsCpu, ThePersonsSilentPassThenADrawWhenNeitherSideCanMove) {
    GameHarness game;
    game.switchRecordOn();
    game.load(passingPosition(3));
    const std::size_t statusBefore = game.labelHistory(info_slot::Status).size();

    game.clickCell(2);
    EXPECT_EQ(game.board()[1], CellState::First);
    EXPECT_EQ(game.board()[57], CellState::Second);
    EXPECT_EQ(game.board()[225], CellState::Second);
    // Person 1 -> 2, computer 1 -> 2, person's silent pass 2 -> 3, computer 2 -> 3.
    EXPECT_EQ(game.state().turnNumberOf(CellState::First), 3);
    EXPECT_EQ(game.state().turnNumberOf(CellState::Second), 3);
    EXPECT_FALSE(game.state().inProgress);
    EXPECT_EQ(game.label(info_slot::LastMove), "");
    EXPECT_EQ(game.label(info_slot::Turn), " 引き分け");
    ASSERT_FALSE(game.boxes().empty());
    EXPECT_EQ(game.boxes().back().text, "引き分けです");
    EXPECT_EQ(game.boxes().back().caption, "ゲーム終了");
    EXPECT_EQ(
        textsAfter(game.labelHistory(info_slot::Status), statusBefore),
        (Strings{
            " PLEASE WAIT : GAME CONTINUE CHECKING ･････ ", " PLEASE WAIT : CPU AUTO PASS CHECKING ･････ ",
            " PLEASE WAIT : CPU TURN PROGRAM RUN ･････ ", " PLEASE WAIT : GAME CONTINUE CHECKING ･････ ",
            " PLEASE WAIT : PLAYER AUTO PASS CHECKING ･････ ", " PLEASE WAIT : GAME CONTINUE CHECKING ･････ ",
            " PLEASE WAIT : CPU AUTO PASS CHECKING ･････ ", " PLEASE WAIT : CPU TURN PROGRAM RUN ･････ ",
            " PLEASE WAIT : GAME CONTINUE CHECKING ･････ ", " READY "}));
    const std::string record = game.recordBytes();
    const std::string end = *encodeCp932(" 引き分け\r\n ■：3\r\n □：6\r\n");
    ASSERT_GE(record.size(), end.size());
    EXPECT_EQ(record.substr(record.size() - end.size()), end);
}

// The computer cannot answer, the person can: the computer's pass is shown and recorded and the
// game goes on. The person's next move leaves the computer without a stone: a draw.
TEST(HumanVsCpu, TheComputersPassThenTheLastStoneTurned) {
    std::vector<std::uint8_t> cells(64);
    cells[0] = 1;
    cells[1] = 2;
    cells[32] = 1;
    cells[33] = 2;
    GameHarness game;
    game.switchRecordOn();
    game.load(savedGame(2, GameMode::HumanVsCpu, CellState::First, cells));

    game.clickCell(2);
    EXPECT_TRUE(game.state().inProgress);
    EXPECT_EQ(game.state().turnNumberOf(CellState::Second), 2);
    EXPECT_EQ(game.label(info_slot::LastMove), " □ cpu choice : auto pass ");
    EXPECT_EQ(platform::headless::lastAnnouncement(game.session.window),
              "縦:3  横:1  先手の石 ■  1個返った。  後手の石 □  パス。");
    EXPECT_EQ(game.label(info_slot::Turn), " 2 turn : ■ ( 先手:貴方 )");
    EXPECT_NE(game.recordBytes().find(*encodeCp932(" □ cpu choice : auto pass \r\n\r\n")), std::string::npos);
    // The pass is the last move: no stone is framed as the last one placed.
    for (const platform::ControlHandle button : game.session.view.cellButtons) {
        EXPECT_EQ(platform::headless::record(button).highlight, platform::CellHighlight::None);
    }

    const std::size_t boxesBefore = game.boxes().size();
    std::string saidAtTheBox;  // the last move is said before the result box holds the window
    platform::headless::setPromptObserver(
        game.session.window, {[&](const platform::headless::MessageBoxRecord&) {
                                  saidAtTheBox = platform::headless::lastAnnouncement(game.session.window);
                              },
                              {},
                              {}});
    game.clickCell(34);
    EXPECT_EQ(saidAtTheBox, "縦:3  横:5  先手の石 ■  1個返った。");
    EXPECT_FALSE(game.state().inProgress);
    EXPECT_EQ(game.label(info_slot::Turn), " 引き分け");
    ASSERT_EQ(game.boxes().size(), boxesBefore + 1);
    EXPECT_EQ(game.boxes().back().text, "引き分けです");
}

TEST(HumanVsCpu, PassCheckProgressOnFourAxes) {
    GameHarness game;
    game.load(passingPosition(4));
    const std::size_t countBefore = game.labelHistory(info_slot::ProgressCount).size();
    const std::size_t percentBefore = game.labelHistory(info_slot::ProgressPercent).size();
    game.clickCell(2);

    const Strings counts = textsAfter(game.labelHistory(info_slot::ProgressCount), countBefore);
    const Strings percents = textsAfter(game.labelHistory(info_slot::ProgressPercent), percentBefore);
    ASSERT_FALSE(counts.empty());
    EXPECT_EQ(counts.front(), " prosess 0 / 4096");
    EXPECT_EQ(percents.front(), " 0.00 percent");
    // The computer's check meets its one legal cell, 58, after the 3072 cells from 1024 up:
    // the last progress shown is 3130, then the labels are emptied.
    const auto found = std::find(counts.begin(), counts.end(), " prosess 3130 / 4096");
    ASSERT_NE(found, counts.end());
    EXPECT_EQ(*(found + 1), "");
    EXPECT_TRUE(contains(percents, " 76.42 percent"));
    // The person has no legal cell: the search ends on cell N - 1 of its order.
    EXPECT_TRUE(contains(counts, " prosess 4095 / 4096"));
    EXPECT_TRUE(contains(percents, " 99.98 percent"));
    EXPECT_EQ(counts.back(), "");
    EXPECT_EQ(percents.back(), "");
    EXPECT_EQ(game.label(info_slot::Status), " READY ");
}

TEST(HumanVsCpu, ComputerFiveEndsTheGameBeforeThePersonsPassCheck) {
    GameHarness game;
    game.load(passingPosition(3, true));
    const std::size_t statusBefore = game.labelHistory(info_slot::Status).size();
    game.clickCell(2);

    EXPECT_FALSE(game.state().inProgress);
    EXPECT_EQ(game.board()[61], CellState::Second);
    EXPECT_EQ(game.label(info_slot::Turn), " CPU勝利 □:後手 ");
    ASSERT_FALSE(game.boxes().empty());
    EXPECT_EQ(game.boxes().back().text, "CPUの勝利です");
    const Strings status = textsAfter(game.labelHistory(info_slot::Status), statusBefore);
    EXPECT_FALSE(contains(status, " PLEASE WAIT : PLAYER AUTO PASS CHECKING ･････ "));
    EXPECT_EQ(status.back(), " READY ");
}

TEST(HumanVsCpu, AFiveMadeByTurnedStonesAwayFromTheMoveWins) {
    // First holds (0..2, 2), (4, 2) and (3, 1); Second's (3, 2) stands between. Taking (3, 3)
    // turns (3, 2), which completes (0..4, 2): the five does not pass through the cell taken.
    std::vector<std::uint8_t> cells(64);
    for (const int cell : {16, 17, 18, 20, 11}) {
        cells[cell] = 1;
    }
    cells[19] = 2;
    cells[40] = 2;  // Second keeps a stone, so that nothing else ends the game
    GameHarness game;
    game.load(savedGame(2, GameMode::HumanVsCpu, CellState::First, cells));
    // As in a game in progress: both sides have been searched already, so only the lines
    // through the changed cells are looked at.
    game.session.needsFullFiveSearch = {false, false};
    game.clickCell(27);

    EXPECT_EQ(game.board()[19], CellState::First);
    EXPECT_FALSE(game.state().inProgress);
    EXPECT_EQ(game.label(info_slot::Turn), " プレイヤー勝利 ■:先手 ");
    ASSERT_FALSE(game.boxes().empty());
    EXPECT_EQ(game.boxes().back().text, "貴方の勝利です");
    // The computer did not move after the person's five.
    EXPECT_EQ(game.state().turnNumberOf(CellState::Second), 1);
}

TEST(HumanVsCpu, LoadedOpeningWithThePersonSecondLetsTheComputerOpen) {
    for (const int dimension : {2, 3}) {
        SCOPED_TRACE(dimension);
        GameHarness game;
        game.switchRecordOn();
        game.load(standardOpeningGame(dimension, GameMode::HumanVsCpu, CellState::Second));

        const std::int32_t stones = integerPower(2, dimension);
        EXPECT_EQ(game.state().sideToMove, CellState::Second);
        EXPECT_EQ(game.state().turnNumberOf(CellState::First), 2);
        EXPECT_EQ(game.board().count(CellState::Empty), game.board().cellCount() - stones - 1);
        EXPECT_EQ(game.label(info_slot::Turn), " 1 turn : □ ( 後手:貴方 )");
        EXPECT_EQ(game.label(info_slot::LastMove).rfind(" ■ cpu choice: ", 0), 0U);
        // The load's block comes first, then the computer's move.
        const std::string record = game.recordBytes();
        const std::size_t loadLine = record.find(" -- game load --");
        const std::size_t moveLine = record.find(*encodeCp932(" ■ cpu    choice: "));
        ASSERT_NE(loadLine, std::string::npos);
        ASSERT_NE(moveLine, std::string::npos);
        EXPECT_LT(loadLine, moveLine);
        EXPECT_NE(record.find(*encodeCp932(" player 後攻 : □")), std::string::npos);

        // The person plays Second: the first legal cell is taken, the computer answers.
        std::int32_t legal = -1;
        for (std::int32_t cell = 0; cell < game.state().viewCellCount && legal < 0; ++cell) {
            if (game.board()[cell] == CellState::Empty &&
                isLegalMove(game.board(), cell, CellState::Second)) {
                legal = cell;
            }
        }
        ASSERT_GE(legal, 0);
        const std::size_t recordBefore = game.recordBytes().size();
        game.clickCell(legal);
        EXPECT_NE(game.recordBytes().find(*encodeCp932(" □ player choice: "), recordBefore),
                  std::string::npos);
        EXPECT_EQ(game.state().turnNumberOf(CellState::Second), 2);
        if (game.state().inProgress) {
            EXPECT_EQ(game.state().sideToMove, CellState::Second);
        }
    }
}

}  // namespace
}  // namespace kalvenor::flows_test
