#include "records/texts.h"

#include <gtest/gtest.h>

#include <regex>

#include "records/cp932.h"

namespace kalvenor {
namespace {

constexpr auto First = CellState::First;
constexpr auto Second = CellState::Second;

TEST(MoveText, FillsTheAxisNamesWithCoordinatesPlusOne) {
    // Cell 13 is (5, 1); cell 343 is (7, 2, 5).
    EXPECT_EQ(playerMoveText(2, 13, First), " ■ player choice: 縦:6  横:2");
    EXPECT_EQ(cpuMoveText(2, 13, Second), " □ cpu choice: 縦:6  横:2");
    EXPECT_EQ(cpuRecordMoveText(3, 343, Second), " □ cpu    choice: 縦:8  横:3  高さ:6");
    EXPECT_EQ(
        playerMoveText(8, 0, First),
        " ■ player choice: 縦:1  横:1  高さ:1  時間軸:1  平行世界軸:1  抽象軸A:1  抽象軸B:1  抽象軸C:1");
    EXPECT_EQ(cpuMoveText(8, 16777215, Second),
              " □ cpu choice: 縦:8  横:8  高さ:8  時間軸:8  平行世界軸:8  抽象軸A:8  抽象軸B:8  抽象軸C:8");
}

TEST(MoveText, EveryAxisTakesItsOwnDigit) {
    // 1 + 2*8 + 3*8^2 + ... + 7*8^6 + 0*8^7: the shown numbers count up axis by axis.
    std::int32_t cell = 0;
    for (int axis = 6; axis >= 0; --axis) {
        cell = cell * 8 + axis + 1;
    }
    EXPECT_EQ(
        playerMoveText(8, cell, First),
        " ■ player choice: 縦:2  横:3  高さ:4  時間軸:5  平行世界軸:6  抽象軸A:7  抽象軸B:8  抽象軸C:1");
    EXPECT_EQ(playerMoveText(5, 4095, First), " ■ player choice: 縦:8  横:8  高さ:8  時間軸:8  平行世界軸:1");
}

TEST(MoveText, AnySideOtherThanFirstShowsTheSecondMark) {
    for (const CellState side : {CellState{0}, CellState{2}, CellState{3}, CellState{255}}) {
        EXPECT_EQ(playerMoveText(2, 0, side), " □ player choice: 縦:1  横:1");
        EXPECT_EQ(cpuPassText(side), " □ cpu choice : auto pass ");
    }
    EXPECT_EQ(cpuPassText(First), " ■ cpu choice : auto pass ");
}

TEST(MoveText, IsEmptyOutsideTheDimensionsOfTheGame) {
    for (const int dimension : {-1, 0, 1, 9}) {
        EXPECT_EQ(playerMoveText(dimension, 0, First), "");
        EXPECT_EQ(cpuMoveText(dimension, 0, First), "");
        EXPECT_EQ(cpuRecordMoveText(dimension, 0, First), "");
    }
}

TEST(MoveText, TheLongestIsNinetyFourBytesInCodePage932) {
    const std::int32_t lastCell = 16777215;
    EXPECT_EQ(encodeCp932(playerMoveText(8, lastCell, First))->size(), 94U);
    EXPECT_EQ(encodeCp932(cpuRecordMoveText(8, lastCell, Second))->size(), 94U);
    EXPECT_EQ(encodeCp932(cpuMoveText(8, lastCell, Second))->size(), 91U);
}

TEST(NumberTexts, FillTheOneConversionOnly) {
    EXPECT_EQ(numberText(0), "0");
    EXPECT_EQ(numberText(16777216), "16777216");
    EXPECT_EQ(oneNumberText(" %d turn : ■ ( 先手 )", 1), " 1 turn : ■ ( 先手 )");
    EXPECT_EQ(oneNumberText(" %d turn : □ 後手:CPU B", 120), " 120 turn : □ 後手:CPU B");
    // Only the first "%d" is a conversion; anything else stays as written, never read as printf.
    EXPECT_EQ(oneNumberText("%d %d %s %n", 7), "7 %d %s %n");
    EXPECT_EQ(oneNumberText("no number", 7), "no number");
}

TEST(TimestampText, HasNoLeadingZeros) {
    std::tm time{};
    time.tm_year = 2003 - 1900;
    time.tm_mon = 6;
    time.tm_mday = 5;
    time.tm_hour = 9;
    time.tm_min = 3;
    time.tm_sec = 7;
    EXPECT_EQ(timestampText(time), " 2003 7月5日 9:3:7");
    time.tm_mon = 11;
    time.tm_mday = 31;
    time.tm_hour = 23;
    time.tm_min = 59;
    time.tm_sec = 0;
    EXPECT_EQ(timestampText(time), " 2003 12月31日 23:59:0");
}

TEST(TimestampText, NowHasTheSameShape) {
    EXPECT_TRUE(std::regex_match(
        timestampText(), std::regex(" [1-9][0-9]* ([1-9]|1[0-2])月[1-9][0-9]?日 [0-9]+:[0-9]+:[0-9]+")));
}

TEST(GameTexts, NameTheDimensionAndTheMode) {
    EXPECT_EQ(dimensionText(2), "２次元");
    EXPECT_EQ(dimensionText(8), "８次元");
    EXPECT_EQ(dimensionText(1), "");
    EXPECT_EQ(dimensionText(9), "");
    EXPECT_EQ(modeName(GameMode::HumanVsHuman), "対人戦");
    EXPECT_EQ(modeName(GameMode::HumanVsCpu), "対CPU戦");
    EXPECT_EQ(modeName(GameMode::CpuVsCpu), "CPU vs CPU");
    EXPECT_EQ(dimensionAndModeText(3, GameMode::HumanVsHuman), "３次元：対人戦");
    EXPECT_EQ(dimensionAndModeText(5, GameMode::HumanVsCpu), "５次元：対CPU戦");
    EXPECT_EQ(dimensionAndModeText(8, GameMode::CpuVsCpu), "８次元：CPU vs CPU");
    for (int dimension = 2; dimension <= 8; ++dimension) {
        EXPECT_EQ(encodeCp932(dimensionText(dimension))->substr(0, 2),
                  std::string({'\x82', static_cast<char>(0x4F + dimension)}));
    }
}

TEST(ResultText, CoversEveryWinnerModeAndPlayerSide) {
    using enum GameMode;
    for (const GameMode mode : {HumanVsHuman, HumanVsCpu, CpuVsCpu}) {
        for (const CellState human : {First, Second}) {
            EXPECT_EQ(resultText(CellState::Empty, mode, human), " 引き分け");
        }
    }
    EXPECT_EQ(resultText(First, HumanVsHuman, Second), " 先手 勝利 : ■ ");
    EXPECT_EQ(resultText(Second, HumanVsHuman, First), " 後手 勝利 : □ ");
    EXPECT_EQ(resultText(First, HumanVsCpu, First), " プレイヤー勝利 ■:先手 ");
    EXPECT_EQ(resultText(First, HumanVsCpu, Second), " CPU勝利 ■:先手 ");
    EXPECT_EQ(resultText(Second, HumanVsCpu, Second), " プレイヤー勝利 □:後手 ");
    EXPECT_EQ(resultText(Second, HumanVsCpu, First), " CPU勝利 □:後手 ");
    EXPECT_EQ(resultText(First, CpuVsCpu, Second), " CPU A 勝利 ■:先手 ");
    EXPECT_EQ(resultText(Second, CpuVsCpu, First), " CPU B 勝利 □:後手 ");
}

TEST(StoneCountText, CountsTheSideOnTheBoard) {
    Board board(2);
    EXPECT_EQ(stoneCountText(board, First), " ■：0");
    EXPECT_EQ(stoneCountText(board, Second), " □：0");
    board.set(0, First);
    board.set(63, First);
    board.set(9, Second);
    EXPECT_EQ(stoneCountText(board, First), " ■：2");
    EXPECT_EQ(stoneCountText(board, Second), " □：1");
    // Side values outside the cell values show the second mark and count what equals them.
    EXPECT_EQ(stoneCountText(board, CellState{0}), " □：61");
    EXPECT_EQ(stoneCountText(board, CellState{3}), " □：0");
}

}  // namespace
}  // namespace kalvenor
