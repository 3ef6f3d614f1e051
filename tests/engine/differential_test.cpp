// The fast engine against the literal reference on random boards: every cell and both sides for
// D = 2..5, sampled cells for D = 6..8. A failure names the seed and a shrunk board.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "board_fixtures.h"
#include "cpu/move_choice.h"
#include "cpu/pass_check.h"
#include "engine/enclosure.h"
#include "engine/enclosure_counts.h"
#include "engine/five.h"
#include "reference/reference_players.h"
#include "reference/reference_rules.h"

namespace kalvenor::testing {
namespace {

constexpr CellState kSides[] = {CellState::First, CellState::Second};

std::uint8_t byteOf(CellState side) {
    return static_cast<std::uint8_t>(side);
}

// What the checks compare: all cells, or a sample of them (with the whole-board searches left to
// the dimensions where the reference can afford them).
struct Scope {
    std::vector<std::int32_t> cells;
    bool wholeBoard = true;
    bool turnEveryCell = true;
};

// Plays the move on `board` for the turning checks and takes it back before returning.
std::string differenceAtCell(Board& board, const reference::Cells& cells, std::int32_t cell, CellState side,
                             bool turn) {
    const int d = board.dimension();
    const std::int32_t n = board.cellCount();
    std::ostringstream why;
    why << "cell " << cell << " side " << static_cast<int>(side) << ": ";
    const bool legal = isLegalMove(board, cell, side);
    if (legal != (reference::isLegalMove(d, n, cells, cell, byteOf(side)) == 1)) {
        return why.str() + "isLegalMove";
    }
    const std::int32_t count = countEnclosed(board, cell, side);
    if (count != reference::countEnclosed(d, n, cells, cell, byteOf(side))) {
        return why.str() + "countEnclosed";
    }
    if (hasFiveFrom(board, cell, side) != (reference::hasFiveFrom(d, n, cells, cell, byteOf(side)) == 1)) {
        return why.str() + "hasFiveFrom";
    }
    if (turn && legal && board[cell] == CellState::Empty) {
        Board& moved = board;
        const bool fiveBefore = d <= 3 && hasFiveAnywhere(board, side);
        moved.set(cell, side);
        std::vector<std::int32_t> turned;
        const std::int32_t turnedCount = turnEnclosed(moved, cell, side, &turned);
        reference::Cells expected = cells;
        expected[cell] = byteOf(side);
        reference::turnEnclosed(d, n, expected, cell, byteOf(side));
        std::string wrong;
        if (!std::equal(expected.begin(), expected.end(), moved.bytes().begin()) || turnedCount != count ||
            static_cast<std::int32_t>(turned.size()) != count ||
            moved.count(side) != reference::countStones(expected, n, byteOf(side))) {
            wrong = "turnEnclosed";
        }
        // The incremental search answers as the whole-board one (itself held to the reference
        // below) after a move on a board without a five of the mover. Every cell on small
        // boards; the self-play test covers the rest.
        turned.push_back(cell);
        if (wrong.empty() && d <= 3 && !fiveBefore &&
            hasFiveThrough(moved, turned, side) != hasFiveAnywhere(moved, side)) {
            wrong = "hasFiveThrough after the move";
        }
        turned.pop_back();
        for (const std::int32_t stone : turned) {
            moved.set(stone, otherSide(side));
        }
        moved.set(cell, CellState::Empty);
        if (!wrong.empty()) {
            return why.str() + wrong;
        }
    }
    return {};
}

std::string differenceOnBoard(const Board& board, CellState side) {
    const int d = board.dimension();
    const std::int32_t n = board.cellCount();
    const reference::Cells cells = cellsOf(board);
    if (hasFiveAnywhere(board, side) != (reference::hasFiveAnywhere(d, n, cells, byteOf(side)) == 1)) {
        return "hasFiveAnywhere";
    }
    if (countStones(board, side) != reference::countStones(cells, n, byteOf(side)) ||
        isBoardFull(board) != (reference::isBoardFull(cells, n) == 1)) {
        return "counts";
    }
    if (chooseMostEnclosing(board, side) != reference::chooseMostEnclosing(cells, byteOf(side), d, n)) {
        return "chooseMostEnclosing";
    }
    if (chooseFewestEnclosing(board, side) != reference::chooseFewestEnclosing(cells, byteOf(side), d, n)) {
        return "chooseFewestEnclosing";
    }
    std::optional<std::int32_t> firstShown;
    std::optional<std::int32_t> lastShown;
    const bool passes = checkAutoPass(board, side, [&](std::int32_t examined, std::int32_t cellCount) {
        if (!firstShown) {
            firstShown = examined;
        }
        lastShown = examined;
        EXPECT_EQ(cellCount, n);
    });
    std::int32_t referenceLast = -1;
    const int referencePasses = reference::checkAutoPass(
        d, n, cells, byteOf(side), [&](std::int32_t examined, std::int32_t) { referenceLast = examined; });
    // Without a progress callback the check stops at the first legal cell: the same answer.
    if (passes != (referencePasses == 1) || checkAutoPass(board, side) != passes || firstShown != 0 ||
        lastShown != referenceLast) {
        return "checkAutoPass";
    }
    return {};
}

std::string firstDifference(Board& board, const Scope& scope) {
    const reference::Cells cells = cellsOf(board);
    for (const CellState side : kSides) {
        std::vector<EnclosureCount> counts;
        collectEnclosureCounts(board, side, counts);
        std::vector<std::int32_t> listedCount(static_cast<std::size_t>(board.cellCount()), 0);
        for (const EnclosureCount& entry : counts) {
            listedCount[entry.cell] = entry.enclosed;
        }
        for (const std::int32_t cell : scope.cells) {
            if (std::string why = differenceAtCell(board, cells, cell, side, scope.turnEveryCell);
                !why.empty()) {
                return why;
            }
            const std::int32_t expected =
                board[cell] == CellState::Empty ? countEnclosed(board, cell, side) : 0;
            if (listedCount[cell] != expected) {
                return "collectEnclosureCounts at cell " + std::to_string(cell);
            }
        }
        if (!std::is_sorted(
                counts.begin(), counts.end(),
                [](const EnclosureCount& a, const EnclosureCount& b) { return a.cell < b.cell; })) {
            return "collectEnclosureCounts order";
        }
        if (scope.wholeBoard) {
            if (std::string why = differenceOnBoard(board, side); !why.empty()) {
                return why + " for side " + std::to_string(static_cast<int>(side));
            }
        }
    }
    return {};
}

void expectSameAsReference(Board& board, const Scope& scope, const std::string& label) {
    const std::string why = firstDifference(board, scope);
    if (why.empty()) {
        return;
    }
    Board small = shrink(board, [&](Board& candidate) { return !firstDifference(candidate, scope).empty(); });
    ADD_FAILURE() << label << ": " << why << "\nshrunk board (" << firstDifference(small, scope)
                  << "): " << boardPicture(small);
}

std::vector<std::int32_t> everyCell(const Board& board) {
    std::vector<std::int32_t> cells(static_cast<std::size_t>(board.cellCount()));
    for (std::int32_t cell = 0; cell < board.cellCount(); ++cell) {
        cells[cell] = cell;
    }
    return cells;
}

struct Plan {
    int dimension;
    int boardsPerShape;
    std::vector<Shape> shapes = {Shape::Empty, Shape::Sparse, Shape::Dense, Shape::Full, Shape::Loaded};
};

void PrintTo(const Plan& plan, std::ostream* out) {
    *out << "D" << plan.dimension << ", " << plan.boardsPerShape << " boards per shape";
}

class EveryCell : public ::testing::TestWithParam<Plan> {};

TEST_P(EveryCell, MatchesReference) {
    const Plan plan = GetParam();
    for (const Shape shape : plan.shapes) {
        const int boards = shape == Shape::Empty ? 1 : plan.boardsPerShape;
        for (int n = 0; n < boards; ++n) {
            const std::uint32_t seed = 1000U * static_cast<std::uint32_t>(plan.dimension) + 17U * n +
                                       static_cast<std::uint32_t>(shape);
            Board board = randomBoard(plan.dimension, shape, seed);
            Scope scope{everyCell(board), true, plan.dimension <= 4};
            expectSameAsReference(board, scope,
                                  std::string("seed ") + std::to_string(seed) + " " + shapeName(shape));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    SmallDimensions, EveryCell,
    // At D = 5 the reference needs seconds per board: one position like a game in progress.
    ::testing::Values(Plan{2, 40}, Plan{3, 12}, Plan{4, 3}, Plan{5, 1, {Shape::Loaded}}),
    [](const auto& param) { return "D" + std::to_string(param.param.dimension); });

class SampledCells : public ::testing::TestWithParam<int> {};

// Cells near the stones, where rays and fives are, and a few anywhere.
std::vector<std::int32_t> sampleCells(const Board& board, std::mt19937& random, int count) {
    std::vector<std::int32_t> stones;
    board.forEachStone([&](std::int32_t cell, CellState) { stones.push_back(cell); });
    std::vector<std::int32_t> cells;
    std::uniform_int_distribution<std::int32_t> anywhere(0, board.cellCount() - 1);
    std::uniform_int_distribution<int> offset(-2, 2);
    for (int n = 0; n < count; ++n) {
        if (stones.empty() || n % 4 == 0) {
            cells.push_back(anywhere(random));
            continue;
        }
        const std::int32_t stone = stones[random() % stones.size()];
        std::int32_t cell = 0;
        for (int axis = 0; axis < board.dimension(); ++axis) {
            cell += std::clamp(coordinateOf(stone, axis) + offset(random), 0, 7) << (3 * axis);
        }
        cells.push_back(cell);
    }
    return cells;
}

TEST_P(SampledCells, MatchReference) {
    const int dimension = GetParam();
    for (const Shape shape : {Shape::Sparse, Shape::Loaded}) {
        const std::uint32_t seed =
            77U * static_cast<std::uint32_t>(dimension) + static_cast<std::uint32_t>(shape);
        Board board(dimension);
        if (shape == Shape::Loaded) {
            board = randomBoard(dimension, Shape::Loaded, seed);
        } else {
            // A few hundred stones around the middle: dense enough for rays and fives.
            std::mt19937 random(seed);
            std::uniform_int_distribution<int> near(1, 6);
            for (int n = 0; n < 600; ++n) {
                std::int32_t cell = 0;
                for (int axis = 0; axis < dimension; ++axis) {
                    cell += near(random) << (3 * axis);
                }
                board.set(cell, random() % 2 == 0 ? CellState::First : CellState::Second);
            }
        }
        std::mt19937 random(seed);
        Scope scope{sampleCells(board, random, dimension == 8 ? 12 : 40), false, true};
        expectSameAsReference(board, scope,
                              std::string("seed ") + std::to_string(seed) + " " + shapeName(shape));
    }
}

INSTANTIATE_TEST_SUITE_P(LargeDimensions, SampledCells, ::testing::Values(6, 7, 8),
                         [](const auto& param) { return "D" + std::to_string(param.param); });

}  // namespace
}  // namespace kalvenor::testing
