#include "cpu/pass_check.h"

#include <gtest/gtest.h>

#include <vector>

#include "board_fixtures.h"

namespace kalvenor::testing {
namespace {

constexpr CellState X = CellState::First;
constexpr CellState O = CellState::Second;

// Every progress call of one pass check.
struct Progress {
    std::vector<std::int32_t> examined;
    std::int32_t cellCount = 0;
    PassCheckProgress callback() {
        return [this](std::int32_t e, std::int32_t n) {
            examined.push_back(e);
            cellCount = n;
        };
    }
};

TEST(PassCheck, EmptyBoardPassesAfterShowingEveryCellExamined) {
    for (int d : {2, 4, 8}) {
        const Board board(d);
        Progress progress;
        EXPECT_TRUE(checkAutoPass(board, X, progress.callback()));
        EXPECT_TRUE(checkAutoPass(board, O));
        ASSERT_FALSE(progress.examined.empty());
        EXPECT_EQ(progress.examined.front(), 0);
        EXPECT_EQ(progress.examined.back(), board.cellCount() - 1);
        EXPECT_EQ(progress.cellCount, board.cellCount());
    }
}

TEST(PassCheck, ProgressEndsWhereTheFirstLegalCellInSearchOrderIs) {
    // Only cell q = N div 4 = 1024 = (0,0,0,2) is legal: found at once.
    Board board = boardWith(4, {{{0, 0, 0, 3}, O}, {{0, 0, 0, 4}, X}});
    Progress atStart;
    EXPECT_FALSE(checkAutoPass(board, X, atStart.callback()));
    EXPECT_EQ(atStart.examined, std::vector<std::int32_t>{0});

    // Only cell 0 is legal: N - q = 3072 cells examined before it.
    board = boardWith(4, {{{1, 0, 0, 0}, O}, {{2, 0, 0, 0}, X}});
    Progress atEnd;
    EXPECT_FALSE(checkAutoPass(board, X, atEnd.callback()));
    ASSERT_FALSE(atEnd.examined.empty());
    EXPECT_EQ(atEnd.examined.front(), 0);
    EXPECT_EQ(atEnd.examined.back(), 3072);

    // Cells on both sides of q: the one at or after q is met first.
    board.set(at({0, 0, 0, 3}), O);
    board.set(at({0, 0, 0, 4}), X);
    Progress both;
    EXPECT_FALSE(checkAutoPass(board, X, both.callback()));
    EXPECT_EQ(both.examined.back(), 0);
}

TEST(PassCheck, OccupiedCellsAreNeverLegal) {
    // Both cells with a ray for First hold First's stones; Second can play (3,3,3).
    const Board board = boardWith(3, {{{0, 0, 0}, X}, {{1, 1, 1}, O}, {{2, 2, 2}, X}});
    Progress progress;
    EXPECT_TRUE(checkAutoPass(board, X, progress.callback()));
    EXPECT_EQ(progress.examined.back(), 511);
    EXPECT_FALSE(checkAutoPass(board, O));
}

}  // namespace
}  // namespace kalvenor::testing
