#include "records/record_blocks.h"

#include <gtest/gtest.h>

#include "records/texts.h"

namespace kalvenor {
namespace {

const std::string kRule = "-------------------------------";
const std::string kTime = " 2003 7月5日 9:3:7";

std::vector<RecordEntry> lines(std::initializer_list<std::string> texts) {
    std::vector<RecordEntry> entries;
    for (const std::string& text : texts) {
        entries.push_back({text});
    }
    return entries;
}

TEST(StartBlock, NewGameOfTwoOrThreeAxesClosesWithTheBoard) {
    auto expected = lines({"", kRule, " -- game start --", " ２次元：対人戦", kTime, kRule});
    expected.push_back({" game start", true});
    EXPECT_EQ(startBlock(StartKind::NewGame, 2, GameMode::HumanVsHuman, CellState::Second, kTime), expected);

    expected = lines({"", kRule, " -- game start --", " ３次元：対CPU戦", " player 先攻 : ■", kTime, kRule});
    expected.push_back({" game start", true});
    EXPECT_EQ(startBlock(StartKind::NewGame, 3, GameMode::HumanVsCpu, CellState::First, kTime), expected);
}

TEST(StartBlock, NewGameOfFourAxesHasSixLinesOrSevenAgainstTheComputer) {
    EXPECT_EQ(startBlock(StartKind::NewGame, 4, GameMode::HumanVsHuman, CellState::First, kTime),
              lines({"", kRule, " -- game start --", " ４次元：対人戦", kTime, kRule}));
    EXPECT_EQ(startBlock(StartKind::NewGame, 4, GameMode::HumanVsCpu, CellState::Second, kTime),
              lines({"", kRule, " -- game start --", " ４次元：対CPU戦", " player 後攻 : □", kTime, kRule}));
    EXPECT_EQ(startBlock(StartKind::NewGame, 8, GameMode::CpuVsCpu, CellState::First, kTime),
              lines({"", kRule, " -- game start --", " ８次元：CPU vs CPU", kTime, kRule}));
}

TEST(StartBlock, LoadNamesItselfAndClosesOnlyWhereABoardTextExists) {
    auto expected =
        lines({"", kRule, " -- game load --", " ３次元：対CPU戦", " player 後攻 : □", kTime, kRule});
    expected.push_back({" game load", true});
    EXPECT_EQ(startBlock(StartKind::Load, 3, GameMode::HumanVsCpu, CellState::Second, kTime), expected);
    EXPECT_EQ(startBlock(StartKind::Load, 6, GameMode::HumanVsHuman, CellState::First, kTime),
              lines({"", kRule, " -- game load --", " ６次元：対人戦", kTime, kRule}));
}

TEST(StartBlock, RestartIsBetweenComputersAndClosesWithTheBoardOnEveryBoard) {
    for (int dimension = 2; dimension <= 8; ++dimension) {
        const auto block =
            startBlock(StartKind::Restart, dimension, GameMode::HumanVsCpu, CellState::First, kTime);
        ASSERT_EQ(block.size(), 7U);
        EXPECT_EQ(block[2].text, " -- game restart --");
        EXPECT_EQ(block[3].text, " " + dimensionAndModeText(dimension, GameMode::CpuVsCpu));
        EXPECT_EQ(block[6], (RecordEntry{" game restart", true}));
    }
}

TEST(EndBlock, IsTheResultThenBothCounts) {
    Board board(3);
    board.set(1, CellState::First);
    board.set(2, CellState::First);
    board.set(3, CellState::Second);
    EXPECT_EQ(endBlock(board, CellState::Second, GameMode::HumanVsCpu, CellState::Second),
              lines({" プレイヤー勝利 □:後手 ", " ■：2", " □：1"}));
    EXPECT_EQ(endBlock(board, CellState::Empty, GameMode::CpuVsCpu, CellState::First),
              lines({" 引き分け", " ■：2", " □：1"}));
}

}  // namespace
}  // namespace kalvenor
