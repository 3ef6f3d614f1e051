// Boards dense with stones (bench/dense_positions.h), where a side has tens of thousands of
// enclosing rays: the counts summed a cell at a time instead of a list entry a ray, the
// rays found a row of own stones at a time, and a root too large for the strong level's budget.

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "bench/dense_positions.h"
#include "cpu/candidate_moves.h"
#include "cpu/move_choice.h"
#include "cpu/pass_check.h"
#include "cpu/strong_player.h"
#include "engine/enclosure.h"
#include "engine/enclosure_counts.h"
#include "engine/five.h"
#include "engine/packed_position.h"
#include "reference/reference_rules.h"

namespace kalvenor {
namespace {

using bench::DensePattern;

class DenseBoards : public ::testing::TestWithParam<DensePattern> {};

// The stones of the opposing side that `ray` of `cell` runs over before a stone of `side` closes
// it, walked by position and by index at once; -1 when the walk disagrees with itself, leaves the
// board or meets an Empty cell first.
std::int32_t runClosedAlong(const Board& board, std::int32_t cell, const detail::EnclosingRay& ray,
                            CellState side) {
    PackedPosition position = packPosition(cell) + ray.delta;
    std::int32_t current = cell + ray.step;
    for (std::int32_t run = 0; isOnBoard(position) && packPosition(current) == position; ++run) {
        if (board[current] == side) {
            return run;
        }
        if (board[current] == CellState::Empty) {
            return -1;
        }
        position += ray.delta;
        current += ray.step;
    }
    return -1;
}

// Every count held to the reference cell by cell, on four axes (thousands of rays a side).
TEST_P(DenseBoards, CountEveryCellAsTheReferenceDoes) {
    const Board board = bench::densePosition(4, GetParam());
    const reference::Cells cells(board.bytes().begin(), board.bytes().end());
    for (const CellState side : {CellState::First, CellState::Second}) {
        std::vector<EnclosureCount> expected;
        for (std::int32_t cell = 0; cell < board.cellCount(); ++cell) {
            if (board[cell] == CellState::Empty) {
                if (const std::int32_t enclosed = reference::countEnclosed(4, board.cellCount(), cells, cell,
                                                                           static_cast<std::uint8_t>(side));
                    enclosed > 0) {
                    expected.push_back({cell, enclosed});
                }
            }
        }
        std::vector<EnclosureCount> counts;
        collectEnclosureCounts(board, side, counts);
        EXPECT_EQ(counts, expected);
        EXPECT_EQ(hasEnclosingCell(board, side), !expected.empty());
        EXPECT_EQ(checkAutoPass(board, side, [](std::int32_t, std::int32_t) {}), expected.empty());
        EXPECT_FALSE(hasFiveAnywhere(board, side));
        detail::CandidateList list;
        ASSERT_TRUE(detail::collectCandidateMoves(board, side, list));
        ASSERT_EQ(list.moves.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(list.moves[i].cell, expected[i].cell);
            EXPECT_EQ(list.moves[i].enclosed, expected[i].enclosed);
        }
        // Each ray a move would turn is a direction of its own that really holds that run.
        for (const detail::CandidateMove& move : list.moves) {
            std::int32_t previousStep = std::numeric_limits<std::int32_t>::min();
            for (const detail::EnclosingRay& ray : list.raysOf(move)) {
                EXPECT_LT(previousStep, ray.step);
                previousStep = ray.step;
                EXPECT_EQ(runClosedAlong(board, move.cell, ray, side), ray.run) << "cell " << move.cell;
            }
        }
        if (!expected.empty()) {
            EXPECT_FALSE(detail::collectCandidateMoves(board, side, list, list.rays.size() - 1));
            EXPECT_TRUE(list.moves.empty());
        }
    }
}

// With too small a budget of nodes, or of work, for the root's probes the strong level plays the
// classic greedy move.
TEST_P(DenseBoards, ARootBeyondTheBudgetPlaysTheMoveThatEnclosesTheMost) {
    Board board = bench::densePosition(4, GetParam());
    const std::vector<std::uint8_t> before(board.bytes().begin(), board.bytes().end());
    for (const SearchLimits limits : {SearchLimits{10, 4}, SearchLimits{1'000'000, 4, 0, 1}}) {
        const SearchOutcome outcome = searchStrongMove(board, CellState::First, limits);
        EXPECT_EQ(outcome.cell, chooseMostEnclosing(board, CellState::First));
        EXPECT_EQ(outcome.depth, 0);  // no search ran
        EXPECT_TRUE(std::equal(before.begin(), before.end(), board.bytes().begin()));
    }
}

INSTANTIATE_TEST_SUITE_P(Patterns, DenseBoards,
                         ::testing::Values(DensePattern::Columns, DensePattern::Triples,
                                           DensePattern::Standoff, DensePattern::Scattered),
                         [](const auto& instance) {
                             return std::string(bench::patternName(instance.param));
                         });

}  // namespace
}  // namespace kalvenor
