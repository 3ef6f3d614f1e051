// The strong level: tactics on two, three, four and six axes (a five of its own, a five of the
// opponent to stop, a five that only turned stones make, a move that would open one), and a board
// left as it came.

#include "cpu/strong_player.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "board_fixtures.h"
#include "cpu/move_choice.h"
#include "engine/enclosure.h"
#include "engine/enclosure_counts.h"
#include "engine/five.h"
#include "engine/move_undo.h"

namespace kalvenor::testing {
namespace {

constexpr CellState X = CellState::First;
constexpr CellState O = CellState::Second;

// A plane of the board spanned by two directions from cell 0: (a, b) is a·v + b·w. In two
// dimensions the board itself; beyond, v runs along a diagonal, so that the tactics are not only
// found along the axes.
struct Plane {
    int dimension;
    std::vector<int> v;
    std::vector<int> w;

    std::int32_t at(int a, int b) const {
        std::vector<std::int32_t> position(static_cast<std::size_t>(dimension));
        for (std::size_t axis = 0; axis < position.size(); ++axis) {
            position[axis] = a * v[axis] + b * w[axis];
        }
        return cellIndex(position, dimension);
    }
};

const std::array<Plane, 4> kPlanes = {{
    {2, {1, 0}, {0, 1}},
    {3, {1, 0, 1}, {0, 1, 0}},
    {4, {1, 0, 1, 1}, {0, 1, 0, 0}},
    {6, {1, 0, 1, 1, 1, 1}, {0, 1, 0, 0, 0, 0}},
}};

struct PlacedStone {
    int a;
    int b;
    CellState side;
};

Board boardOn(const Plane& plane, std::initializer_list<PlacedStone> stones) {
    Board board(plane.dimension);
    for (const PlacedStone& stone : stones) {
        board.set(plane.at(stone.a, stone.b), stone.side);
    }
    return board;
}

// The cells where `side` makes five at once, by playing every legal cell on the engine.
std::vector<std::int32_t> fivesInOne(Board& board, CellState side) {
    std::vector<EnclosureCount> moves;
    collectEnclosureCounts(board, side, moves);
    std::vector<std::int32_t> fives;
    std::vector<std::int32_t> changed;
    for (const EnclosureCount& move : moves) {
        changed.clear();
        playEnclosingMove(board, move.cell, side, changed);
        if (hasFiveThrough(board, changed, side)) {
            fives.push_back(move.cell);
        }
        undoMove(board, changed, side);
    }
    return fives;
}

// The row b = 7 holds a bait for the greedy level: X at (0, 7) then two O, so that (3, 7)
// encloses two stones, more than any tactical move here.
constexpr PlacedStone kBait[] = {{0, 7, X}, {1, 7, O}, {2, 7, O}};

void addBait(const Plane& plane, Board& board) {
    for (const PlacedStone& stone : kBait) {
        board.set(plane.at(stone.a, stone.b), stone.side);
    }
}

TEST(StrongPlayer, MakesItsFiveThroughTheCellItTakes) {
    for (const Plane& plane : kPlanes) {
        // X X X X _ along v; the gap encloses the O at (4, 4) against X at (4, 5).
        Board board = boardOn(plane, {{0, 3, X}, {1, 3, X}, {2, 3, X}, {3, 3, X}, {4, 4, O}, {4, 5, X}});
        addBait(plane, board);
        ASSERT_EQ(fivesInOne(board, X), std::vector<std::int32_t>{plane.at(4, 3)});
        ASSERT_NE(chooseMostEnclosing(board, X), plane.at(4, 3)) << "the bait is taken by the greedy level";
        EXPECT_EQ(chooseStrongMove(board, X), plane.at(4, 3)) << "D=" << plane.dimension;
    }
}

TEST(StrongPlayer, MakesAFiveThatOnlyTurnedStonesComplete) {
    for (const Plane& plane : kPlanes) {
        // X X O X X along v at b = 3: (2, 2) encloses the O against X at (2, 4), and the row is
        // five although the cell taken is not on it.
        Board board = boardOn(plane, {{0, 3, X}, {1, 3, X}, {2, 3, O}, {3, 3, X}, {4, 3, X}, {2, 4, X}});
        addBait(plane, board);
        ASSERT_EQ(fivesInOne(board, X), std::vector<std::int32_t>{plane.at(2, 2)});
        ASSERT_NE(chooseMostEnclosing(board, X), plane.at(2, 2));
        EXPECT_EQ(chooseStrongMove(board, X), plane.at(2, 2)) << "D=" << plane.dimension;
    }
}

TEST(StrongPlayer, StopsTheOpponentsFive) {
    for (const Plane& plane : kPlanes) {
        // O O O O _ along v at b = 3, and (4, 3) is legal for O (it encloses X at (4, 4)). X can
        // take that cell itself: it encloses the O at (4, 2) against X at (4, 1).
        Board board = boardOn(
            plane, {{0, 3, O}, {1, 3, O}, {2, 3, O}, {3, 3, O}, {4, 4, X}, {4, 5, O}, {4, 2, O}, {4, 1, X}});
        addBait(plane, board);
        ASSERT_TRUE(fivesInOne(board, X).empty());
        ASSERT_EQ(fivesInOne(board, O), std::vector<std::int32_t>{plane.at(4, 3)});
        const std::int32_t greedy = chooseMostEnclosing(board, X);
        std::vector<std::int32_t> changed;
        playEnclosingMove(board, greedy, X, changed);
        ASSERT_FALSE(fivesInOne(board, O).empty()) << "the greedy level lets the five through";
        undoMove(board, changed, X);

        const std::int32_t cell = chooseStrongMove(board, X);
        ASSERT_GE(cell, 0);
        changed.clear();
        playEnclosingMove(board, cell, X, changed);
        EXPECT_TRUE(fivesInOne(board, O).empty()) << "D=" << plane.dimension << " cell " << cell;
    }
}

TEST(StrongPlayer, KeepsAMoveItCouldNotSearchFromOpeningAFive) {
    for (const Plane& plane : kPlanes) {
        // O O O O _ along v at b = 3. X at (4, 4) turns the O at (5, 4) and makes four along v at
        // b = 4, the best static value; but then O's (4, 3) encloses it against (4, 5) and makes
        // five. A budget of ten nodes stops the search before any reply of O.
        Board board = boardOn(
            plane, {{0, 3, O}, {1, 3, O}, {2, 3, O}, {3, 3, O}, {3, 4, X}, {5, 4, O}, {6, 4, X}, {4, 5, O}});
        addBait(plane, board);
        ASSERT_TRUE(fivesInOne(board, O).empty());
        std::vector<std::int32_t> changed;
        playEnclosingMove(board, plane.at(4, 4), X, changed);
        ASSERT_FALSE(fivesInOne(board, O).empty());
        undoMove(board, changed, X);

        const SearchOutcome outcome = searchStrongMove(board, X, {10, 6});
        ASSERT_LT(outcome.depth, 2);
        ASSERT_GE(outcome.cell, 0);
        changed.clear();
        playEnclosingMove(board, outcome.cell, X, changed);
        EXPECT_TRUE(fivesInOne(board, O).empty()) << "D=" << plane.dimension << " cell " << outcome.cell;
    }
}

TEST(StrongPlayer, PassesWithoutALegalCellAndLeavesTheBoardAsItCame) {
    Board empty(3);
    EXPECT_EQ(chooseStrongMove(empty, X), -1);

    for (int dimension = 2; dimension <= 5; ++dimension) {
        Board board = randomBoard(dimension, Shape::Loaded, 7u + static_cast<std::uint32_t>(dimension));
        const std::vector<std::uint8_t> before(board.bytes().begin(), board.bytes().end());
        const std::int32_t firstCount = board.count(X);
        const SearchOutcome outcome = searchStrongMove(board, O, {2'000, 4});
        EXPECT_TRUE(std::equal(before.begin(), before.end(), board.bytes().begin())) << "D=" << dimension;
        EXPECT_EQ(board.count(X), firstCount);
        if (outcome.cell >= 0) {
            EXPECT_TRUE(isLegalMove(board, outcome.cell, O));
            EXPECT_EQ(board[outcome.cell], CellState::Empty);
        }
        // The same position and budget give the same move.
        EXPECT_EQ(searchStrongMove(board, O, {2'000, 4}).cell, outcome.cell);
    }
}

TEST(StrongPlayer, FindsFiveInOneExactlyAsTheEngine) {
    for (int dimension = 2; dimension <= 4; ++dimension) {
        for (std::uint32_t seed = 0; seed < 20; ++seed) {
            Board board = randomBoard(dimension, seed % 2 == 0 ? Shape::Loaded : Shape::Sparse, seed);
            for (const CellState side : {X, O}) {
                const std::vector<std::int32_t> fives = fivesInOne(board, side);
                EXPECT_EQ(findFiveInOne(board, side), fives.empty() ? -1 : fives.front())
                    << boardPicture(board) << " side " << static_cast<int>(side);
            }
        }
    }
}

}  // namespace
}  // namespace kalvenor::testing
