#include "engine/board.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <stdexcept>
#include <utility>
#include <vector>

#include "board_fixtures.h"
#include "engine/direction_table.h"
#include "engine/enclosure.h"
#include "engine/standard_opening.h"

namespace kalvenor::testing {
namespace {

// The stones as forEachStone reports them must be exactly those a scan of every cell finds.
void expectSummaryMatchesCells(const Board& board) {
    std::vector<std::pair<std::int32_t, CellState>> scanned;
    std::int32_t counts[3] = {0, 0, 0};
    for (std::int32_t cell = 0; cell < board.cellCount(); ++cell) {
        ++counts[static_cast<int>(board[cell])];
        if (board[cell] != CellState::Empty) {
            scanned.emplace_back(cell, board[cell]);
        }
    }
    std::vector<std::pair<std::int32_t, CellState>> reported;
    board.forEachStone([&](std::int32_t cell, CellState state) { reported.emplace_back(cell, state); });
    ASSERT_EQ(reported, scanned);
    ASSERT_EQ(board.count(CellState::Empty), counts[0]);
    ASSERT_EQ(board.count(CellState::First), counts[1]);
    ASSERT_EQ(board.count(CellState::Second), counts[2]);
}

TEST(Board, SummaryFollowsEveryChange) {
    for (int d : {2, 3, 5}) {
        Board board(d);
        expectSummaryMatchesCells(board);
        std::mt19937 random(static_cast<std::uint32_t>(d));
        // Cells clustered in few rows, so that rows fill up and empty again.
        std::uniform_int_distribution<std::int32_t> cell(0, std::min(board.cellCount() - 1, 200));
        for (int n = 0; n < 3000; ++n) {
            board.set(cell(random), static_cast<CellState>(random() % 3));
            if (n % 500 == 0) {
                expectSummaryMatchesCells(board);
            }
        }
        expectSummaryMatchesCells(board);
        std::vector<std::int32_t> first;
        board.collectStones(CellState::First, first);
        EXPECT_EQ(static_cast<std::int32_t>(first.size()), board.count(CellState::First));

        Board loaded(d);
        loaded.assign(board.bytes());
        expectSummaryMatchesCells(loaded);
        board.clear();
        expectSummaryMatchesCells(board);
        EXPECT_EQ(board.count(CellState::Empty), board.cellCount());
    }
}

TEST(Board, LastCellsOfTheLargestBoard) {
    Board board(8);
    EXPECT_EQ(board.cellCount(), 16'777'216);
    board.set(board.cellCount() - 1, CellState::Second);
    board.set(0, CellState::First);
    expectSummaryMatchesCells(board);
    Board moved = std::move(board);
    EXPECT_EQ(moved[moved.cellCount() - 1], CellState::Second);
    EXPECT_EQ(moved.count(CellState::Second), 1);
}

TEST(StandardOpening, TwoToTheDStonesWithParityColours) {
    const Board plane = [] {
        Board board(2);
        placeStandardOpening(board);
        return board;
    }();
    EXPECT_EQ(plane[at({3, 3})], CellState::Second);
    EXPECT_EQ(plane[at({4, 4})], CellState::Second);
    EXPECT_EQ(plane[at({4, 3})], CellState::First);
    EXPECT_EQ(plane[at({3, 4})], CellState::First);
    for (int d = kMinDimension; d <= kMaxDimension; ++d) {
        Board board(d);
        placeStandardOpening(board);
        EXPECT_EQ(board.count(CellState::First), 1 << (d - 1));
        EXPECT_EQ(board.count(CellState::Second), 1 << (d - 1));
    }
}

}  // namespace
}  // namespace kalvenor::testing

namespace kalvenor::testing {
namespace {

TEST(BadInput, RefusedWithoutTouchingTheBoard) {
    EXPECT_THROW(Board(1), std::invalid_argument);
    EXPECT_THROW(Board(9), std::invalid_argument);
    EXPECT_THROW(DirectionTable::forDimension(0), std::invalid_argument);

    Board board = boardWith(2, {{{1, 1}, CellState::First}});
    std::vector<std::uint8_t> bytes(63, 0);
    EXPECT_THROW(board.assign(bytes), std::invalid_argument);
    bytes.assign(64, 0);
    bytes[5] = 3;
    EXPECT_THROW(board.assign(bytes), std::invalid_argument);
    EXPECT_EQ(board[at({1, 1})], CellState::First);
    EXPECT_EQ(board.count(CellState::First), 1);

    // Out-of-range cells stop a debug build and change or read nothing in a release build.
    EXPECT_DEBUG_DEATH(board.set(64, CellState::Second), "");
    EXPECT_DEBUG_DEATH(board.set(-1, CellState::Second), "");
    EXPECT_DEBUG_DEATH(EXPECT_FALSE(isLegalMove(board, -1, CellState::Second)), "");
    EXPECT_EQ(board.count(CellState::Second), 0);

    const std::vector<std::int32_t> tooFew = {1, 2};
    EXPECT_EQ(cellIndex(tooFew, 3), -1);
}

}  // namespace
}  // namespace kalvenor::testing
