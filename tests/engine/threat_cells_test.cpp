// The threat cells held to a brute-force search: every Empty (or legal) cell is tried by placing a
// stone with the reference rules and looking for a five through every cell the move changed.

#include "cpu/threat_cells.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "board_fixtures.h"
#include "cpu/candidate_moves.h"
#include "cpu/threat_planes.h"
#include "engine/five.h"
#include "engine/move_undo.h"
#include "engine/neighbours.h"
#include "reference/reference_rules.h"

namespace kalvenor::testing {
namespace {

// Whether `side` has five in a row on a line through `cell`, walking coordinates.
bool referenceFiveThrough(int dimension, const reference::Cells& cells, std::int32_t cell,
                          std::uint8_t side) {
    const std::int32_t cellCount = static_cast<std::int32_t>(cells.size());
    const std::vector<std::int32_t> table = reference::directionTable(dimension);
    std::vector<std::int32_t> origin(static_cast<std::size_t>(dimension));
    reference::cellCoordinates(cell, origin.data(), dimension, cellCount);
    const auto runAlong = [&](std::int32_t k, int sign) {
        std::vector<std::int32_t> position = origin;
        int run = 0;
        for (;;) {
            for (int j = 0; j < dimension; ++j) {
                position[j] += sign * table[static_cast<std::size_t>(k * dimension + j)];
                if (position[j] < 0 || position[j] > 7) {
                    return run;
                }
            }
            if (cells[reference::cellIndex(position.data(), dimension)] != side) {
                return run;
            }
            ++run;
        }
    };
    for (std::int32_t k = 0; k < reference::integerPower(3, dimension); ++k) {
        bool zero = true;
        for (int j = 0; j < dimension; ++j) {
            zero = zero && table[static_cast<std::size_t>(k * dimension + j)] == 0;
        }
        if (!zero && 1 + runAlong(k, 1) + runAlong(k, -1) >= 5) {
            return true;
        }
    }
    return false;
}

std::vector<std::int32_t> bruteForceFiveCells(const Board& board, CellState side, PlacementRule rule) {
    const int d = board.dimension();
    const std::int32_t n = board.cellCount();
    const reference::Cells before = cellsOf(board);
    const auto mover = static_cast<std::uint8_t>(side);
    std::vector<std::int32_t> fives;
    for (std::int32_t cell = 0; cell < n; ++cell) {
        if (before[cell] != 0 ||
            (rule == PlacementRule::Enclosure && reference::isLegalMove(d, n, before, cell, mover) == 0)) {
            continue;
        }
        reference::Cells after = before;
        after[cell] = mover;
        if (rule == PlacementRule::Enclosure) {
            reference::turnEnclosed(d, n, after, cell, mover);
        }
        for (std::int32_t changed = 0; changed < n; ++changed) {
            if (after[changed] != before[changed] && referenceFiveThrough(d, after, changed, mover)) {
                fives.push_back(cell);
                break;
            }
        }
    }
    return fives;
}

// A game in progress with several lines of four: a stone, a gap and three more along a random
// direction, some of them crossed by an opposing stone that a move may turn.
Board boardWithNearFives(int dimension, std::uint32_t seed) {
    Board board = randomBoard(dimension, Shape::Loaded, seed);
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> coordinate(0, 7);
    std::uniform_int_distribution<int> unit(-1, 1);
    for (int line = 0; line < 6; ++line) {
        const CellState side = line % 2 == 0 ? CellState::First : CellState::Second;
        std::vector<int> start(static_cast<std::size_t>(dimension));
        std::vector<int> step(static_cast<std::size_t>(dimension));
        bool moves = false;
        for (int axis = 0; axis < dimension; ++axis) {
            start[axis] = coordinate(random);
            step[axis] = unit(random);
            moves = moves || step[axis] != 0;
        }
        if (!moves) {
            step[0] = 1;
        }
        const int gap = static_cast<int>(random() % 5);
        const int crossed = static_cast<int>(random() % 7);  // an opposing stone on the line when < 5
        for (int i = 0; i < 5; ++i) {
            std::vector<std::int32_t> position(static_cast<std::size_t>(dimension));
            bool inside = true;
            for (int axis = 0; axis < dimension; ++axis) {
                position[axis] = start[axis] + i * step[axis];
                inside = inside && position[axis] >= 0 && position[axis] <= 7;
            }
            if (inside && i != gap) {
                board.set(cellIndex(position, dimension), i == crossed ? otherSide(side) : side);
            }
        }
    }
    return board;
}

constexpr std::size_t kAll = std::numeric_limits<std::size_t>::max();

TEST(ThreatCells, MatchBruteForceOnRandomPositions) {
    struct Plan {
        int dimension;
        int boards;
    };
    int compared = 0;
    int withThreats = 0;
    for (const Plan plan : {Plan{2, 120}, Plan{3, 40}, Plan{4, 6}, Plan{5, 1}}) {
        for (int n = 0; n < plan.boards; ++n) {
            const Board board =
                boardWithNearFives(plan.dimension, 7919U * static_cast<std::uint32_t>(n) +
                                                       static_cast<std::uint32_t>(plan.dimension));
            // A standing five ends the game: no threat is asked for then.
            if (hasFiveAnywhere(board, CellState::First) || hasFiveAnywhere(board, CellState::Second)) {
                continue;
            }
            for (const PlacementRule rule : {PlacementRule::AnyEmptyCell, PlacementRule::Enclosure}) {
                for (const CellState side : {CellState::First, CellState::Second}) {
                    const std::vector<std::int32_t> expected = bruteForceFiveCells(board, side, rule);
                    EXPECT_EQ(fiveCompletingCells(board, side, rule), expected)
                        << "rule " << static_cast<int>(rule) << " side " << static_cast<int>(side) << ' '
                        << boardPicture(board);
                    if (rule == PlacementRule::AnyEmptyCell) {
                        EXPECT_EQ(detail::fivesOnEmptyCellsInPlanes(board, side, kAll), expected)
                            << "planes, side " << static_cast<int>(side) << ' ' << boardPicture(board);
                    }
                    ++compared;
                    withThreats += expected.empty() ? 0 : 1;
                }
            }
        }
    }
    // The positions must be worth comparing: many of them hold threats.
    EXPECT_GT(compared, 200);
    EXPECT_GT(withThreats, compared / 4);
}

// Boards dense enough that two people's cells are found plane by plane: random fillings, and
// fillings without a five whose broken lines leave windows of four stones around an Empty cell.
// The enclosure rule's probe too, on as many stones.
TEST(ThreatCells, MatchBruteForceOnDenseBoards) {
    std::mt19937 random(19);
    int withThreats = 0;
    for (int dimension = 2; dimension <= 5; ++dimension) {
        for (const double emptyShare : {0.15, 0.5}) {
            for (const bool fiveFree : {false, true}) {
                if (dimension == 5 && (!fiveFree || emptyShare > 0.2)) {
                    continue;  // one board of five axes: the brute force is slow
                }
                const Board board = filledBoard(dimension, emptyShare, fiveFree, random);
                for (const CellState side : {CellState::First, CellState::Second}) {
                    const std::string label = "D" + std::to_string(dimension) + " empty " +
                                              std::to_string(emptyShare) + " side " +
                                              std::to_string(static_cast<int>(side));
                    ASSERT_FALSE(
                        detail::neighboursFromList(static_cast<std::size_t>(board.count(side)), dimension))
                        << "the search over planes is not the one tested: " << label;
                    const std::vector<std::int32_t> expected =
                        bruteForceFiveCells(board, side, PlacementRule::AnyEmptyCell);
                    EXPECT_EQ(fiveCompletingCells(board, side, PlacementRule::AnyEmptyCell), expected)
                        << label;
                    // The first cells only, when fewer are wanted.
                    const std::vector<std::int32_t> firstThree(
                        expected.begin(), expected.begin() + std::min<std::size_t>(3, expected.size()));
                    EXPECT_EQ(detail::fivesOnEmptyCellsInPlanes(board, side, 3), firstThree) << label;
                    withThreats += expected.empty() ? 0 : 1;
                    // Under the enclosure rule the probe reads each changed cell's neighbours
                    // from the board, not from a list of the stones.
                    if (dimension <= 4) {
                        EXPECT_EQ(fiveCompletingCells(board, side, PlacementRule::Enclosure),
                                  bruteForceFiveCells(board, side, PlacementRule::Enclosure))
                            << "enclosure rule, " << label;
                    }
                }
            }
        }
    }
    EXPECT_GT(withThreats, 10);
}

TEST(ThreatCells, TheCacheFollowsEveryChangeOfTheBoard) {
    // One cache across the changes of a game and a board that replaces it: what it gives is what
    // a fresh search finds, whichever side asks, under either rule.
    ThreatCache cache;
    for (std::uint32_t seed = 1; seed <= 3; ++seed) {
        Board board = boardWithNearFives(3, seed);
        std::mt19937 random(seed);
        for (int change = 0; change < 12; ++change) {
            const auto side = change % 2 == 0 ? CellState::First : CellState::Second;
            const PlacementRule rule =
                change % 3 == 0 ? PlacementRule::AnyEmptyCell : PlacementRule::Enclosure;
            const ThreatCells expected = findThreats(board, side, rule);
            for (const CellState asking : {side, otherSide(side)}) {
                const ThreatCells found = cache.threats(board, asking, rule);
                const ThreatCells fresh = findThreats(board, asking, rule);
                EXPECT_EQ(found.win, fresh.win) << "seed " << seed << " change " << change;
                EXPECT_EQ(found.block, fresh.block) << "seed " << seed << " change " << change;
            }
            // Give the side a threat cell of its own, or any cell, so that the next position differs.
            const std::int32_t cell =
                expected.win.empty()
                    ? static_cast<std::int32_t>(random() % static_cast<unsigned>(board.cellCount()))
                    : expected.win.front();
            board.set(cell, board[cell] == side ? otherSide(side) : side);
        }
    }
}

TEST(ThreatCells, TheCacheFollowsGamesWithTakeBacks) {
    // Games on two to five axes under either rule, threats played or blocked half the time: after
    // every move, take-back and move played again, and after more changes than the board keeps
    // track of, the cache (brought up to date between two people) gives what a fresh search finds.
    for (int dimension = 2; dimension <= 5; ++dimension) {
        for (const PlacementRule rule : {PlacementRule::AnyEmptyCell, PlacementRule::Enclosure}) {
            const auto seed =
                static_cast<std::uint32_t>(dimension * 2 + (rule == PlacementRule::Enclosure ? 1 : 0));
            Board board = boardWithNearFives(dimension, seed);
            std::mt19937 random(seed);
            ThreatCache cache;
            struct Move {
                std::vector<std::int32_t> changed;
                CellState side;
            };
            std::vector<Move> played;
            CellState side = CellState::First;
            const auto expectFresh = [&](const std::string& when) {
                for (const CellState asking : {CellState::First, CellState::Second}) {
                    const ThreatCells found = cache.threats(board, asking, rule);
                    const ThreatCells fresh = findThreats(board, asking, rule);
                    ASSERT_EQ(found.win, fresh.win) << when << ", dimension " << dimension;
                    ASSERT_EQ(found.block, fresh.block) << when << ", dimension " << dimension;
                }
            };
            for (int turn = 0; turn < 40; ++turn) {
                std::vector<std::int32_t> choices;
                if (rule == PlacementRule::Enclosure) {
                    detail::CandidateList list;
                    detail::collectCandidateMoves(board, side, list);
                    for (const detail::CandidateMove& move : list.moves) {
                        choices.push_back(move.cell);
                    }
                } else {
                    for (std::int32_t cell = 0; cell < board.cellCount(); ++cell) {
                        if (board[cell] == CellState::Empty) {
                            choices.push_back(cell);
                        }
                    }
                }
                const ThreatCells threats = findThreats(board, side, rule);
                for (const auto* wanted : {&threats.win, &threats.block}) {
                    if (!wanted->empty() && random() % 2 == 0) {
                        choices = *wanted;
                    }
                }
                if (choices.empty()) {
                    break;
                }
                Move move{{}, side};
                const std::int32_t cell = choices[random() % choices.size()];
                if (rule == PlacementRule::Enclosure) {
                    playEnclosingMove(board, cell, side, move.changed);
                } else {
                    board.set(cell, side);
                    move.changed = {cell};
                }
                played.push_back(move);
                side = otherSide(side);
                expectFresh("move " + std::to_string(turn));
                if (turn % 5 == 4) {
                    for (int back = 0; back < 2; ++back) {
                        undoMove(board, played.back().changed, played.back().side);
                        expectFresh("take-back after move " + std::to_string(turn));
                        if (back == 0) {
                            replayMove(board, played.back().changed, played.back().side);
                            expectFresh("move played again after move " + std::to_string(turn));
                            undoMove(board, played.back().changed, played.back().side);
                        }
                        played.pop_back();
                    }
                }
            }
            for (std::size_t change = 0; change <= Board::kJournalCells; ++change) {
                const auto cell =
                    static_cast<std::int32_t>(random() % static_cast<unsigned>(board.cellCount()));
                board.set(cell, static_cast<CellState>(random() % 3));
            }
            expectFresh("many changes at once");
        }
    }
}

TEST(ThreatCells, PairTheSideToMoveWithItsOpponent) {
    // Two people on two axes: four of First in row 0 (cells 0..3), three of Second in row 2 with
    // a gap at 19 that a stone of Second fills to a five (16, 17, 18 and 20).
    const Board board = boardWith(2, {{{0, 0}, CellState::First},
                                      {{1, 0}, CellState::First},
                                      {{2, 0}, CellState::First},
                                      {{3, 0}, CellState::First},
                                      {{0, 2}, CellState::Second},
                                      {{1, 2}, CellState::Second},
                                      {{2, 2}, CellState::Second},
                                      {{4, 2}, CellState::Second}});
    const ThreatCells threats = findThreats(board, CellState::Second, PlacementRule::AnyEmptyCell);
    EXPECT_EQ(threats.win, (std::vector<std::int32_t>{19}));
    EXPECT_EQ(threats.block, (std::vector<std::int32_t>{4}));
    // Under the enclosure rule neither cell encloses anything: no threat.
    EXPECT_TRUE(findThreats(board, CellState::Second, PlacementRule::Enclosure).empty());
}

}  // namespace
}  // namespace kalvenor::testing
