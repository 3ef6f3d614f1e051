#include "engine/enclosure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "board_fixtures.h"
#include "engine/enclosure_counts.h"

namespace kalvenor::testing {
namespace {

constexpr CellState X = CellState::First;
constexpr CellState O = CellState::Second;

TEST(Enclosure, EmptyBoardHasNoRays) {
    for (int d = kMinDimension; d <= kMaxDimension; ++d) {
        const Board board(d);
        for (const std::int32_t cell : {0, board.cellCount() / 2, board.cellCount() - 1}) {
            EXPECT_FALSE(isLegalMove(board, cell, X));
            EXPECT_FALSE(isLegalMove(board, cell, O));
            EXPECT_EQ(countEnclosed(board, cell, X), 0);
        }
        std::vector<EnclosureCount> counts;
        collectEnclosureCounts(board, X, counts);
        EXPECT_TRUE(counts.empty());
    }
}

TEST(Enclosure, RunsThatAreClosedTurn) {
    {  // a diagonal run of one
        Board board = boardWith(2, {{{0, 0}, X}, {{1, 1}, O}});
        EXPECT_TRUE(isLegalMove(board, at({2, 2}), X));
        EXPECT_EQ(countEnclosed(board, at({2, 2}), X), 1);
        board.set(at({2, 2}), X);
        EXPECT_EQ(turnEnclosed(board, at({2, 2}), X), 1);
        EXPECT_EQ(board[at({1, 1})], X);
        EXPECT_EQ(board.count(O), 0);
        EXPECT_EQ(board.count(X), 3);
    }
    {  // a run of six reaching across the board
        Board board = boardWith(
            2, {{{0, 0}, X}, {{1, 0}, O}, {{2, 0}, O}, {{3, 0}, O}, {{4, 0}, O}, {{5, 0}, O}, {{6, 0}, O}});
        EXPECT_EQ(countEnclosed(board, at({7, 0}), X), 6);
        board.set(at({7, 0}), X);
        std::vector<std::int32_t> turned;
        EXPECT_EQ(turnEnclosed(board, at({7, 0}), X, &turned), 6);
        std::sort(turned.begin(), turned.end());
        EXPECT_EQ(turned, (std::vector<std::int32_t>{1, 2, 3, 4, 5, 6}));
        EXPECT_EQ(board.count(X), 8);
    }
    {  // rays in two directions add up and both turn
        Board board = boardWith(2, {{{0, 2}, X}, {{2, 0}, X}, {{1, 2}, O}, {{2, 1}, O}});
        EXPECT_EQ(countEnclosed(board, at({2, 2}), X), 2);
        board.set(at({2, 2}), X);
        turnEnclosed(board, at({2, 2}), X);
        EXPECT_EQ(board[at({1, 2})], X);
        EXPECT_EQ(board[at({2, 1})], X);
    }
    {  // a diagonal of three axes
        const Board board = boardWith(3, {{{0, 0, 0}, X}, {{1, 1, 1}, O}});
        EXPECT_TRUE(isLegalMove(board, at({2, 2, 2}), X));
        EXPECT_FALSE(isLegalMove(board, at({2, 2, 2}), O));
    }
}

TEST(Enclosure, RunsThatAreNotClosedEncloseNothing) {
    // An own stone right next to the cell: no opposing stone in between.
    EXPECT_FALSE(isLegalMove(boardWith(2, {{{0, 0}, X}, {{1, 0}, X}}), at({2, 0}), X));
    // A run that reaches the edge of the board.
    Board toEdge = boardWith(2, {{{0, 1}, X}});
    for (int x = 1; x <= 7; ++x) {
        toEdge.set(at({x, 0}), O);
    }
    EXPECT_FALSE(isLegalMove(toEdge, at({0, 0}), X));
    // A run that ends on an Empty cell.
    EXPECT_FALSE(isLegalMove(boardWith(2, {{{1, 0}, O}, {{2, 0}, O}, {{4, 0}, X}}), at({0, 0}), X));
    // A line that would wrap from one row into the next is no line: (7,0) then (0,1) then (1,1).
    EXPECT_FALSE(isLegalMove(boardWith(2, {{{0, 1}, O}, {{1, 1}, X}}), at({7, 0}), X));
}

TEST(Enclosure, ContentOfTheCellItselfIsNotRead) {
    Board board = boardWith(2, {{{0, 0}, X}, {{1, 1}, O}});
    for (const CellState content : {CellState::Empty, X, O}) {
        board.set(at({2, 2}), content);
        EXPECT_EQ(countEnclosed(board, at({2, 2}), X), 1);
        EXPECT_FALSE(isLegalMove(board, at({2, 2}), O));
    }
    // The list of legal cells holds Empty cells only.
    board.set(at({2, 2}), X);
    std::vector<EnclosureCount> counts;
    collectEnclosureCounts(board, X, counts);
    EXPECT_TRUE(counts.empty());
}

TEST(EnclosureCounts, SumsEveryRayOfACellInIndexOrder) {
    // Three rays, from (0,2), (2,0) and (4,4), all end on (2,2); no other cell is legal.
    const Board board =
        boardWith(2, {{{0, 2}, X}, {{2, 0}, X}, {{1, 2}, O}, {{2, 1}, O}, {{4, 4}, X}, {{3, 3}, O}});
    std::vector<EnclosureCount> counts;
    collectEnclosureCounts(board, X, counts);
    std::vector<EnclosureCount> expected;
    for (std::int32_t cell = 0; cell < board.cellCount(); ++cell) {
        if (board[cell] == CellState::Empty && countEnclosed(board, cell, X) > 0) {
            expected.push_back({cell, countEnclosed(board, cell, X)});
        }
    }
    EXPECT_EQ(counts, expected);
    EXPECT_EQ(counts, (std::vector<EnclosureCount>{{at({2, 2}), 3}}));
}

}  // namespace
}  // namespace kalvenor::testing
