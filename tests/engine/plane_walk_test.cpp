// The whole-board walks over planes of 8 × 8 cells, held to the per-cell rules on boards dense
// enough to take them: random fillings, and boards without a five that then get fives planted
// along random directions, on two to six axes.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "board_fixtures.h"
#include "engine/direction_table.h"
#include "engine/enclosure.h"
#include "engine/enclosure_planes.h"
#include "engine/five.h"
#include "engine/run_to_empty_cell.h"

namespace kalvenor::testing {
namespace {

constexpr CellState kSides[] = {CellState::First, CellState::Second};

std::vector<EnclosureCount> countsCellByCell(const Board& board, CellState side) {
    std::vector<EnclosureCount> counts;
    for (std::int32_t cell = 0; cell < board.cellCount(); ++cell) {
        if (board[cell] == CellState::Empty) {
            if (const std::int32_t enclosed = countEnclosed(board, cell, side); enclosed > 0) {
                counts.push_back({cell, enclosed});
            }
        }
    }
    return counts;
}

// Every ray given is a run of opposing stones from a stone of `side` to the Empty cell, no (cell,
// direction) comes twice, and each cell's runs add up to its count: so the rays are all of them.
// Boards with fewer own stones than Empty cells are walked from the stones, the others from the
// Empty cells: the fillings below take both.
void expectEveryRay(const Board& board, CellState side, const std::vector<EnclosureCount>& expected,
                    const std::string& label) {
    std::vector<std::int32_t> sums(static_cast<std::size_t>(board.cellCount()), 0);
    std::vector<std::pair<std::int32_t, std::int32_t>> seen;
    detail::forEachEnclosingRayInPlanes(board, side, [&](const detail::RunToEmptyCell& ray) {
        const std::int32_t stone = ray.cell - (ray.run + 1) * ray.step;
        bool valid = board[ray.cell] == CellState::Empty && ray.run >= 1 && board[stone] == side;
        for (int k = 1; k <= ray.run; ++k) {
            valid = valid && board[stone + k * ray.step] == otherSide(side);
        }
        EXPECT_TRUE(valid) << label << " cell " << ray.cell << " step " << ray.step;
        sums[static_cast<std::size_t>(ray.cell)] += ray.run;
        seen.emplace_back(ray.cell, ray.step);
        return true;
    });
    std::sort(seen.begin(), seen.end());
    EXPECT_TRUE(std::adjacent_find(seen.begin(), seen.end()) == seen.end()) << label;
    std::vector<EnclosureCount> counts;
    for (std::int32_t cell = 0; cell < board.cellCount(); ++cell) {
        if (sums[static_cast<std::size_t>(cell)] > 0) {
            counts.push_back({cell, sums[static_cast<std::size_t>(cell)]});
        }
    }
    EXPECT_EQ(counts, expected) << label << " rays";
}

// Asked for the most (the fewest) only, the walk gives true counts, and among them every cell
// that equals (for the fewest: is below) or beats the record of all the cells before it, and
// every cell of the first plane.
void expectRecordHolders(const Board& board, CellState side, const std::vector<EnclosureCount>& expected,
                         const std::string& label) {
    const auto byCell = [](const EnclosureCount& a, const EnclosureCount& b) { return a.cell < b.cell; };
    for (const CountsWanted wanted : {CountsWanted::Most, CountsWanted::Fewest}) {
        std::vector<EnclosureCount> given;
        detail::forEachEnclosureCountInPlanes(
            board, side, [&given](const EnclosureCount& count) { given.push_back(count); }, wanted);
        for (const EnclosureCount& count : given) {
            const auto at = std::lower_bound(expected.begin(), expected.end(), count, byCell);
            ASSERT_TRUE(at != expected.end() && *at == count) << label << " cell " << count.cell;
        }
        std::vector<EnclosureCount> holders;
        std::int32_t record = -1;
        for (const EnclosureCount& count : expected) {
            const bool beats = record < 0 || (wanted == CountsWanted::Most ? count.enclosed >= record
                                                                           : count.enclosed < record);
            if (beats) {
                record = count.enclosed;
            }
            if (beats || count.cell < 64) {
                holders.push_back(count);
            }
        }
        EXPECT_TRUE(std::includes(given.begin(), given.end(), holders.begin(), holders.end(), byCell))
            << label << (wanted == CountsWanted::Most ? " most" : " fewest");
    }
}

TEST(PlaneWalks, CountWhatEveryCellCountsAlongItsOwnRays) {
    std::mt19937 random(25);
    for (int dimension = 2; dimension <= 5; ++dimension) {
        for (const double emptyShare : {0.1, 0.4, 0.8}) {
            for (const bool fiveFree : {false, true}) {
                const Board board = filledBoard(dimension, emptyShare, fiveFree, random);
                for (const CellState side : kSides) {
                    const std::vector<EnclosureCount> expected = countsCellByCell(board, side);
                    std::vector<EnclosureCount> counts;
                    detail::forEachEnclosureCountInPlanes(
                        board, side, [&counts](const EnclosureCount& count) { counts.push_back(count); });
                    const std::string label = "D" + std::to_string(dimension) + " empty " +
                                              std::to_string(emptyShare) + " side " +
                                              std::to_string(static_cast<int>(side));
                    EXPECT_EQ(counts, expected) << label;
                    expectRecordHolders(board, side, expected, label);
                    expectEveryRay(board, side, expected, label);
                    EXPECT_EQ(detail::hasEnclosingCellInPlanes(board, side), !expected.empty()) << label;
                    // The legal cells alone, all of them, and the first two from a third of the way on.
                    const std::int32_t from = board.cellCount() / 3;
                    std::vector<std::int32_t> legal;
                    std::vector<std::int32_t> firstTwoFrom;
                    for (const EnclosureCount& count : expected) {
                        legal.push_back(count.cell);
                        if (count.cell >= from && firstTwoFrom.size() < 2) {
                            firstTwoFrom.push_back(count.cell);
                        }
                    }
                    std::vector<std::int32_t> listed;
                    detail::forEachEnclosingCellInPlanes(board, side, 0, [&listed](std::int32_t cell) {
                        listed.push_back(cell);
                        return true;
                    });
                    EXPECT_EQ(listed, legal) << label;
                    listed.clear();
                    detail::forEachEnclosingCellInPlanes(board, side, from, [&listed](std::int32_t cell) {
                        listed.push_back(cell);
                        return listed.size() < 2;
                    });
                    EXPECT_EQ(listed, firstTwoFrom) << label;
                }
            }
        }
    }
}

// Six and seven axes (where the cubes are walked on two threads): the counts of a sample of
// cells, every cell listed holds its count, and the cells come in index order.
TEST(PlaneWalks, CountOnSixAndSevenAxes) {
    std::mt19937 random(26);
    for (const int dimension : {6, 7}) {
        const Board board = filledBoard(dimension, 0.5, true, random);
        std::vector<std::int32_t> listed(static_cast<std::size_t>(board.cellCount()), 0);
        std::int32_t previous = -1;
        detail::forEachEnclosureCountInPlanes(board, CellState::First, [&](const EnclosureCount& count) {
            ASSERT_GT(count.cell, previous);
            previous = count.cell;
            listed[count.cell] = count.enclosed;
        });
        std::uniform_int_distribution<std::int32_t> anyCell(0, board.cellCount() - 1);
        for (int n = 0; n < 4000; ++n) {
            const std::int32_t cell = anyCell(random);
            const std::int32_t expected =
                board[cell] == CellState::Empty ? countEnclosed(board, cell, CellState::First) : 0;
            ASSERT_EQ(listed[cell], expected) << "D" << dimension << " cell " << cell;
        }
    }
}

// The line a won game shows: of the runs of five or more that go on towards higher cells, the
// one whose first stone comes first, then the first of its directions; cell by cell.
std::vector<std::int32_t> firstFiveLine(const Board& board, CellState side) {
    const int dimension = board.dimension();
    const DirectionTable& directions = DirectionTable::forDimension(dimension);
    const auto along = [&](std::int32_t cell, int k, int steps) -> std::int32_t {
        for (int axis = 0; axis < dimension; ++axis) {
            const int coordinate = coordinateOf(cell, axis) + steps * directions.component(k, axis);
            if (coordinate < 0 || coordinate >= kAxisLength) {
                return -1;
            }
        }
        return cell + steps * directions.indexStep(k);
    };
    for (std::int32_t start = 0; start < board.cellCount(); ++start) {
        for (int k = directions.zeroDirection() + 1; k < directions.count() && board[start] == side; ++k) {
            const std::int32_t before = along(start, k, -1);
            std::vector<std::int32_t> line;
            for (std::int32_t cell = start; cell >= 0 && board[cell] == side; cell = along(cell, k, 1)) {
                line.push_back(cell);
            }
            if ((before < 0 || board[before] != side) && line.size() >= 5) {
                return line;
            }
        }
    }
    return {};
}

// A five along any direction from any start is found, and none is seen where there is none:
// a mask that let a line wrap from one row or plane into the next would see one. A won game
// shows the first line of five.

TEST(PlaneWalks, FindEveryFivePlantedAndNoOther) {
    std::mt19937 random(27);
    for (int dimension = 2; dimension <= 6; ++dimension) {
        const DirectionTable& directions = DirectionTable::forDimension(dimension);
        std::uniform_int_distribution<int> anyDirection(0, directions.count() - 1);
        for (const double emptyShare : {0.2, 0.6}) {
            const Board base = filledBoard(dimension, emptyShare, true, random);
            for (const CellState side : kSides) {
                ASSERT_GE(base.count(side), directions.count() - 1)
                    << "the search over planes is not the one tested";
                EXPECT_FALSE(hasFiveAnywhere(base, side)) << "D" << dimension;
                EXPECT_TRUE(fiveCells(base, side).empty()) << "D" << dimension;
            }
            std::uniform_int_distribution<std::int32_t> anyCell(0, base.cellCount() - 1);
            for (int planted = 0; planted < 40; ++planted) {
                const int k = anyDirection(random);
                const std::int32_t start = anyCell(random);
                const int length = planted % 4 == 3 ? 4 : 5;
                std::vector<std::int32_t> line;
                for (int s = 0; s < length && k != directions.zeroDirection(); ++s) {
                    bool onBoard = true;
                    for (int axis = 0; axis < dimension; ++axis) {
                        const int coordinate = coordinateOf(start, axis) + s * directions.component(k, axis);
                        onBoard = onBoard && coordinate >= 0 && coordinate < kAxisLength;
                    }
                    if (!onBoard) {
                        break;
                    }
                    line.push_back(start + s * directions.indexStep(k));
                }
                if (static_cast<int>(line.size()) < length) {
                    continue;
                }
                Board board = copyOf(base);
                const CellState side = kSides[planted % 2];
                for (const std::int32_t cell : line) {
                    board.set(cell, side);
                }
                if (dimension <= 5) {
                    EXPECT_EQ(fiveCells(board, side), firstFiveLine(board, side))
                        << "D" << dimension << " from " << start << " along " << k;
                }
                if (length == 5) {
                    EXPECT_TRUE(hasFiveAnywhere(board, side))
                        << "D" << dimension << " from " << start << " along " << k;
                    EXPECT_FALSE(hasFiveAnywhere(board, otherSide(side))) << "D" << dimension;
                } else if (dimension <= 5) {
                    // Four planted may meet the stones around them; the reference says.
                    EXPECT_EQ(hasFiveAnywhere(board, side),
                              reference::hasFiveAnywhere(dimension, board.cellCount(), cellsOf(board),
                                                         static_cast<std::uint8_t>(side)) == 1)
                        << "D" << dimension << " from " << start << " along " << k;
                }
            }
        }
    }
}

}  // namespace
}  // namespace kalvenor::testing
