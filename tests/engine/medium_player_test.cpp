// The medium level against the greedy one on positions where they part: a five to take, a five
// of the opponent to block, and a greedy move that would open one, on two axes and in a plane of
// a three-axis board.

#include "cpu/medium_player.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cpu/move_choice.h"
#include "cpu/strong_player.h"
#include "engine/board.h"
#include "engine/move_undo.h"

namespace kalvenor::testing {
namespace {

// Rows y = 0..7 of 'X' (First), 'O' (Second) and '.', laid on a board of `dimension` axes: on two
// axes as they stand, on three in the plane where axis 0 is 3 (row y along axis 2, column x
// along axis 1), where no ray leaves the plane through a stone.
struct Picture {
    int dimension;
    std::vector<std::string> rows;

    std::int32_t cell(int x, int y) const { return dimension == 2 ? x + 8 * y : 3 + 8 * x + 64 * y; }

    Board board() const {
        Board board(dimension);
        for (int y = 0; y < static_cast<int>(rows.size()); ++y) {
            for (int x = 0; x < static_cast<int>(rows[y].size()); ++x) {
                const char mark = rows[y][x];
                if (mark != '.') {
                    board.set(cell(x, y), mark == 'X' ? CellState::First : CellState::Second);
                }
            }
        }
        return board;
    }
};

// First to move: four in row 0 and a stone it can enclose to finish them at (4, 0), or three
// stones to turn at (3, 5).
const std::vector<std::string> kFiveToTake = {"XXXX.OX.", "........", "........", "........",
                                              "........", "XOO.....", "........", "........"};
// First to move: Second threatens (5, 6), enclosing (5, 5) to finish the row 49..53. The greedy
// level turns three stones at (3, 2); (3, 7) breaks the row, turning (2, 6) and (4, 6).
const std::vector<std::string> kFiveToBlock = {"...X....", "...O....", "XOO.....", "........",
                                               ".....O..", ".X...X..", ".OOOO...", "........"};

// First to move: the greedy level turns two stones at (4, 4), and then Second's (4, 3) encloses
// that cell against (4, 5) and finishes row 3; (2, 7) turns one stone and opens nothing.
const std::vector<std::string> kFiveToOpen = {"........", "........", "........", "OOOO....",
                                              ".....OOX", "....O...", "........", "XO......"};

class MediumLevel : public ::testing::TestWithParam<int> {};

TEST_P(MediumLevel, TakesTheFiveTheGreedyLevelLeaves) {
    const Picture picture{GetParam(), kFiveToTake};
    Board board = picture.board();
    EXPECT_EQ(chooseMostEnclosing(board, CellState::First), picture.cell(3, 5));
    EXPECT_EQ(chooseMediumMove(board, CellState::First), picture.cell(4, 0));
}

TEST_P(MediumLevel, BlocksTheFiveTheGreedyLevelAllows) {
    const Picture picture{GetParam(), kFiveToBlock};
    Board board = picture.board();
    ASSERT_EQ(findFiveInOne(board, CellState::Second), picture.cell(5, 6));
    const std::int32_t greedy = chooseMostEnclosing(board, CellState::First);
    EXPECT_EQ(greedy, picture.cell(3, 2));
    const std::int32_t medium = chooseMediumMove(board, CellState::First);
    EXPECT_EQ(medium, picture.cell(3, 7));
    // The board is as it came, and after the medium move Second has no five in one.
    EXPECT_TRUE(std::equal(board.bytes().begin(), board.bytes().end(), picture.board().bytes().begin()));
    std::vector<std::int32_t> changed;
    playEnclosingMove(board, medium, CellState::First, changed);
    EXPECT_LT(findFiveInOne(board, CellState::Second), 0);
}

TEST_P(MediumLevel, PassesOverAGreedyMoveThatOpensAFive) {
    const Picture picture{GetParam(), kFiveToOpen};
    Board board = picture.board();
    ASSERT_LT(findFiveInOne(board, CellState::Second), 0);
    const std::int32_t greedy = chooseMostEnclosing(board, CellState::First);
    ASSERT_EQ(greedy, picture.cell(4, 4));
    std::vector<std::int32_t> changed;
    playEnclosingMove(board, greedy, CellState::First, changed);
    ASSERT_EQ(findFiveInOne(board, CellState::Second), picture.cell(4, 3));
    undoMove(board, changed, CellState::First);
    EXPECT_EQ(chooseMediumMove(board, CellState::First), picture.cell(2, 7));
}

INSTANTIATE_TEST_SUITE_P(TwoAndThreeAxes, MediumLevel, ::testing::Values(2, 3));

}  // namespace
}  // namespace kalvenor::testing
