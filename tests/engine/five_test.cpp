#include "engine/five.h"

#include <gtest/gtest.h>

#include <vector>

#include "board_fixtures.h"
#include "engine/direction_table.h"

namespace kalvenor::testing {
namespace {

constexpr CellState X = CellState::First;
constexpr CellState O = CellState::Second;

Board rowOfFirst(int from, int to) {
    Board board(2);
    for (int x = from; x <= to; ++x) {
        board.set(at({x, 0}), X);
    }
    return board;
}

std::vector<std::int32_t> cellsWithFiveFrom(const Board& board, CellState side) {
    std::vector<std::int32_t> cells;
    for (std::int32_t cell = 0; cell < board.cellCount(); ++cell) {
        if (hasFiveFrom(board, cell, side)) {
            cells.push_back(cell);
        }
    }
    return cells;
}

TEST(HasFiveFrom, FindsAFiveOnlyFromTheCellBeyondOneEnd) {
    Board board = rowOfFirst(0, 4);
    EXPECT_EQ(cellsWithFiveFrom(board, X), std::vector<std::int32_t>{at({5, 0})});
    for (const CellState content : {X, O}) {  // whatever (5,0) holds
        board.set(at({5, 0}), content);
        EXPECT_TRUE(hasFiveFrom(board, at({5, 0}), X));
    }
    EXPECT_EQ(cellsWithFiveFrom(rowOfFirst(3, 7), X), std::vector<std::int32_t>{at({2, 0})});
    EXPECT_TRUE(cellsWithFiveFrom(rowOfFirst(0, 3), X).empty());
    EXPECT_TRUE(cellsWithFiveFrom(rowOfFirst(0, 4), O).empty());
}

TEST(FiveSearch, FindsEveryFiveOfTheSideAndNothingElse) {
    EXPECT_TRUE(hasFiveAnywhere(rowOfFirst(0, 4), X));
    EXPECT_TRUE(hasFiveAnywhere(rowOfFirst(2, 7), X));  // six in a row hold a five
    EXPECT_FALSE(hasFiveAnywhere(rowOfFirst(0, 3), X));
    EXPECT_FALSE(hasFiveAnywhere(rowOfFirst(0, 4), O));
    Board broken = rowOfFirst(0, 5);
    broken.set(at({2, 0}), O);
    EXPECT_FALSE(hasFiveAnywhere(broken, X));
    EXPECT_FALSE(hasFiveAnywhere(Board(8), X));
}

// A five that fills a line of exactly five cells has no cell beyond either end; the search still
// finds it. In two dimensions there are four such lines.
TEST(FiveSearch, FindsFivesOnLinesOfExactlyFiveCells) {
    const DirectionTable& table = DirectionTable::forDimension(2);
    int unreachableByHasFiveFrom = 0;
    for (std::int32_t start = 0; start < 64; ++start) {
        for (int k = table.zeroDirection() + 1; k < table.count(); ++k) {
            std::vector<std::int32_t> line;
            for (int s = 0; s < 5; ++s) {
                int x = coordinateOf(start, 0) + s * table.component(k, 0);
                int y = coordinateOf(start, 1) + s * table.component(k, 1);
                if (x < 0 || x > 7 || y < 0 || y > 7) {
                    break;
                }
                line.push_back(at({x, y}));
            }
            if (line.size() < 5) {
                continue;
            }
            Board board(2);
            for (const std::int32_t cell : line) {
                board.set(cell, X);
            }
            ASSERT_TRUE(hasFiveAnywhere(board, X)) << "from " << start << " along " << k;
            ASSERT_TRUE(hasFiveThrough(board, line, X));
            unreachableByHasFiveFrom += cellsWithFiveFrom(board, X).empty() ? 1 : 0;
        }
    }
    EXPECT_EQ(unreachableByHasFiveFrom, 4);
    EXPECT_TRUE(
        hasFiveAnywhere(boardWith(2, {{{0, 3}, X}, {{1, 4}, X}, {{2, 5}, X}, {{3, 6}, X}, {{4, 7}, X}}), X));
}

TEST(FiveSearch, IncrementalSearchLooksAtTheLinesThroughChangedCells) {
    // A five completed in the middle, by a stone placed or by a stone turned.
    Board board = rowOfFirst(0, 4);
    EXPECT_TRUE(hasFiveThrough(board, std::vector<std::int32_t>{at({2, 0})}, X));
    EXPECT_TRUE(hasFiveThrough(board, std::vector<std::int32_t>{at({7, 7}), at({4, 0})}, X));
    // Changed cells that lie off the five, or hold the other side, say nothing about it: the
    // whole-board search is the one for a board that was never searched.
    EXPECT_FALSE(hasFiveThrough(board, std::vector<std::int32_t>{at({5, 1})}, X));
    EXPECT_FALSE(hasFiveThrough(board, std::vector<std::int32_t>{at({2, 0})}, O));
    EXPECT_FALSE(hasFiveThrough(rowOfFirst(0, 3), std::vector<std::int32_t>{at({3, 0})}, X));
    // A diagonal of four axes in D = 4, through its middle stone.
    Board fourAxes(4);
    for (int s = 0; s < 5; ++s) {
        fourAxes.set(at({s, s + 1, 6 - s, s + 2}), O);
    }
    EXPECT_TRUE(hasFiveThrough(fourAxes, std::vector<std::int32_t>{at({2, 3, 4, 4})}, O));
    EXPECT_TRUE(hasFiveAnywhere(fourAxes, O));
    EXPECT_FALSE(hasFiveAnywhere(fourAxes, X));
}

TEST(BoardTests, FullBoardAndStoneCounts) {
    Board board(2);
    EXPECT_EQ(countStones(board, X), 0);
    EXPECT_EQ(countStones(board, O), 0);
    EXPECT_FALSE(isBoardFull(board));
    for (std::int32_t cell = 1; cell < 64; ++cell) {
        board.set(cell, cell % 3 == 0 ? O : X);
    }
    EXPECT_FALSE(isBoardFull(board));
    board.set(0, O);
    EXPECT_TRUE(isBoardFull(board));
    EXPECT_EQ(countStones(board, O), 22);
    EXPECT_EQ(countStones(board, X), 42);
}

}  // namespace
}  // namespace kalvenor::testing
