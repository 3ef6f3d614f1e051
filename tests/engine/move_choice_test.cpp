#include "cpu/move_choice.h"

#include <gtest/gtest.h>

#include "board_fixtures.h"
#include "engine/enclosure.h"

namespace kalvenor::testing {
namespace {

constexpr CellState X = CellState::First;
constexpr CellState O = CellState::Second;

TEST(PlacementScore, RowsAndColumnsOfThePlane) {
    const std::int32_t lowRows[8] = {3, 2, 1, 0, 1, 2, 3, 4};
    for (std::int32_t r = 0; r < 8; ++r) {
        for (std::int32_t q = 0; q < 3; ++q) {
            EXPECT_EQ(placementScore(8 * q + r), lowRows[r]);
        }
        for (std::int32_t q = 3; q < 8; ++q) {
            EXPECT_EQ(placementScore(8 * q + r), q - 3);
        }
    }
    EXPECT_EQ(placementScore(integerPower(8, 8) - 1), integerPower(8, 7) - 4);
}

TEST(MoveChoice, EmptyBoardIsAPassInEveryDimension) {
    for (int d = kMinDimension; d <= kMaxDimension; ++d) {
        const Board board(d);
        EXPECT_EQ(chooseMostEnclosing(board, X), -1);
        EXPECT_EQ(chooseFewestEnclosing(board, O), -1);
    }
}

TEST(MoveChoice, PreferredCornersComeFirstInTheirOrder) {
    // Cell 0 encloses one stone, (0,6) would enclose five.
    Board board = boardWith(2, {{{1, 1}, O}, {{2, 2}, X}, {{0, 7}, X}});
    for (int x = 1; x <= 5; ++x) {
        board.set(at({x, 6}), O);
    }
    board.set(at({6, 6}), X);
    ASSERT_EQ(countEnclosed(board, at({0, 6}), X), 5);
    EXPECT_EQ(chooseMostEnclosing(board, X), 0);
    EXPECT_EQ(chooseFewestEnclosing(board, X), 0);

    // 7 and 56 legal, 0 Empty but not legal, 63 occupied: 7.
    Board corners =
        boardWith(2, {{{6, 1}, O}, {{5, 2}, X}, {{1, 6}, O}, {{2, 5}, X}, {{7, 7}, X}, {{1, 0}, X}});
    ASSERT_TRUE(isLegalMove(corners, 56, X));
    ASSERT_FALSE(isLegalMove(corners, 0, X));
    EXPECT_EQ(chooseMostEnclosing(corners, X), 7);
    // With 7 taken, 56.
    corners.set(7, O);
    EXPECT_EQ(chooseMostEnclosing(corners, X), 56);
}

TEST(MoveChoice, MostEnclosingBreaksTiesByScoreThenIndex) {
    // Cells 10 (score 1) and 40 (score 2) each enclose one stone.
    const Board byScore = boardWith(2, {{{3, 1}, O}, {{4, 1}, X}, {{1, 5}, O}, {{2, 5}, X}});
    ASSERT_EQ(countEnclosed(byScore, 10, X), 1);
    ASSERT_EQ(countEnclosed(byScore, 40, X), 1);
    EXPECT_EQ(chooseMostEnclosing(byScore, X), 40);
    EXPECT_EQ(chooseFewestEnclosing(byScore, X), 10);

    // Cells 57 and 60 score 4 both: the lower index.
    const Board byIndex = boardWith(2, {{{1, 6}, O}, {{1, 5}, X}, {{4, 6}, O}, {{4, 5}, X}});
    ASSERT_EQ(countEnclosed(byIndex, 57, X), 1);
    ASSERT_EQ(countEnclosed(byIndex, 60, X), 1);
    EXPECT_EQ(chooseMostEnclosing(byIndex, X), 57);

    // In D = 3, (0,0,1) = 64 scores 5 and beats (0,3,0) = 24, scoring 0.
    const Board higherAxis = boardWith(3, {{{0, 0, 2}, O}, {{0, 0, 3}, X}, {{0, 3, 1}, O}, {{0, 3, 2}, X}});
    ASSERT_EQ(countEnclosed(higherAxis, 64, X), 1);
    ASSERT_EQ(countEnclosed(higherAxis, 24, X), 1);
    EXPECT_EQ(chooseMostEnclosing(higherAxis, X), 64);

    // A larger count beats any score.
    const Board byCount = boardWith(2, {{{3, 1}, O}, {{4, 1}, O}, {{5, 1}, X}, {{1, 5}, O}, {{2, 5}, X}});
    ASSERT_EQ(countEnclosed(byCount, 10, X), 2);
    EXPECT_EQ(chooseMostEnclosing(byCount, X), 10);
    EXPECT_EQ(chooseFewestEnclosing(byCount, X), 40);
}

TEST(MoveChoice, FewestEnclosingTakesTheLowestIndexOfTheSmallestCount) {
    const Board board = boardWith(2, {{{4, 3}, O},
                                      {{4, 4}, O},
                                      {{4, 5}, O},
                                      {{4, 6}, X},
                                      {{3, 1}, O},
                                      {{2, 1}, X},
                                      {{6, 2}, O},
                                      {{6, 1}, X}});
    ASSERT_EQ(countEnclosed(board, 20, X), 3);
    ASSERT_EQ(countEnclosed(board, 12, X), 1);
    ASSERT_EQ(countEnclosed(board, 30, X), 1);
    EXPECT_EQ(chooseFewestEnclosing(board, X), 12);
    EXPECT_EQ(chooseMostEnclosing(board, X), 20);
}

TEST(MoveChoice, TheOnlyLegalCellIsChosenByBoth) {
    const Board board = boardWith(5, {{{3, 3, 3, 3, 3}, X}, {{4, 4, 4, 4, 4}, O}});
    const std::int32_t only = at({5, 5, 5, 5, 5});
    EXPECT_EQ(chooseMostEnclosing(board, X), only);
    EXPECT_EQ(chooseFewestEnclosing(board, X), only);
    EXPECT_EQ(chooseMostEnclosing(board, O), at({2, 2, 2, 2, 2}));
}

}  // namespace
}  // namespace kalvenor::testing
