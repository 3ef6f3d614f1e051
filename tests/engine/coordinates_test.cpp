#include "engine/coordinates.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <vector>

#include "board_fixtures.h"
#include "engine/direction_table.h"
#include "engine/neighbours.h"

namespace kalvenor::testing {
namespace {

TEST(IntegerPower, EdgeValuesAndWrapAround) {
    EXPECT_EQ(integerPower(3, 0), 1);
    EXPECT_EQ(integerPower(0, 0), -1);
    EXPECT_EQ(integerPower(0, 3), -1);
    EXPECT_EQ(integerPower(2, -1), -1);
    EXPECT_EQ(integerPower(8, 8), 16'777'216);
    EXPECT_EQ(integerPower(3, 8), 6'561);
    EXPECT_EQ(integerPower(-2, 3), -8);
    // Signed 32-bit arithmetic: the product wraps as the machine's would, without undefined behaviour.
    EXPECT_EQ(integerPower(2, 31), INT_MIN);
    EXPECT_EQ(integerPower(2, 32), 0);
    EXPECT_EQ(integerPower(1, INT_MAX), 1);
}

TEST(CellIndex, NamedPositionsAndInvalidArguments) {
    EXPECT_EQ(at({7, 0}), 7);
    EXPECT_EQ(at({0, 7}), 56);
    EXPECT_EQ(at({7, 7}), 63);
    EXPECT_EQ(at({0, 7, 7}), 504);
    const std::vector<std::int32_t> coordinates = {1, 2, 3};
    EXPECT_EQ(cellIndex(coordinates, 1), -1);
    EXPECT_EQ(cellIndex({}, 3), -1);
}

TEST(CellCoordinates, RoundTripOnEveryCell) {
    for (int d = kMinDimension; d <= 6; ++d) {
        const std::int32_t n = integerPower(8, d);
        std::vector<std::int32_t> coordinates(d);
        for (std::int32_t cell = 0; cell < n; ++cell) {
            for (int axis = 0; axis < d; ++axis) {
                coordinates[axis] = coordinateOf(cell, axis);
            }
            ASSERT_EQ(cellIndex(coordinates, d), cell) << "D=" << d;
        }
    }
    EXPECT_EQ(coordinateOf(integerPower(8, 8) - 1, 7), 7);
    EXPECT_EQ(coordinateOf(0, 7), 0);
}

TEST(DirectionTable, LayoutOfEveryDimension) {
    const DirectionTable& plane = DirectionTable::forDimension(2);
    const int expected[9][2] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {0, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}};
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(plane.component(k, 0), expected[k][0]);
        EXPECT_EQ(plane.component(k, 1), expected[k][1]);
    }
    EXPECT_EQ(plane.zeroDirection(), 4);
    EXPECT_EQ(DirectionTable::forDimension(8).zeroDirection(), 3280);
    EXPECT_EQ(&DirectionTable::forDimension(5), &DirectionTable::forDimension(5));

    for (int d = kMinDimension; d <= kMaxDimension; ++d) {
        const DirectionTable& table = DirectionTable::forDimension(d);
        ASSERT_EQ(table.count(), integerPower(3, d));
        ASSERT_EQ(table.dimension(), d);
        const int k = table.count();
        for (int axis = 0; axis < d; ++axis) {
            EXPECT_EQ(table.component(0, axis), -1);
            EXPECT_EQ(table.component(k - 1, axis), 1);
            EXPECT_EQ(table.component(table.zeroDirection(), axis), 0);
        }
        // Steps and packed deltas agree with the components: a step from the centre cell
        // (all coordinates 3) lands on the cell the components name, and opposite directions undo
        // each other.
        const std::int32_t centre = integerPower(8, d) / 7 * 3;
        for (int direction = 0; direction < k; ++direction) {
            std::int32_t target = 0;
            for (int axis = 0; axis < d; ++axis) {
                target += (3 + table.component(direction, axis)) << (3 * axis);
            }
            ASSERT_EQ(centre + table.indexStep(direction), target);
            ASSERT_EQ(packPosition(centre) + table.packedDelta(direction), packPosition(target));
            ASSERT_EQ(table.indexStep(direction), -table.indexStep(k - 1 - direction));
        }
    }
}

TEST(PackedPosition, EdgesAndNeighbours) {
    const DirectionTable& table = DirectionTable::forDimension(3);
    // From a corner only the directions pointing inwards stay on the board.
    int inwards = 0;
    for (int k = 0; k < table.count(); ++k) {
        inwards += isOnBoard(packPosition(at({7, 0, 7})) + table.packedDelta(k)) ? 1 : 0;
    }
    EXPECT_EQ(inwards, 8);  // the corner itself and its 7 neighbours
    EXPECT_TRUE(isWithinOneStep(packPosition(at({3, 3, 3})), packPosition(at({4, 2, 3}))));
    EXPECT_FALSE(isWithinOneStep(packPosition(at({3, 3, 3})), packPosition(at({5, 3, 3}))));
    EXPECT_FALSE(isWithinOneStep(packPosition(at({0, 3, 3})), packPosition(at({7, 3, 3}))));
    EXPECT_FALSE(isWithinOneStep(packPosition(at({7, 3, 3})), packPosition(at({0, 4, 3}))));
}

// The index finds, in ascending order, exactly the listed cells next to any cell: lists short and
// long (one to four indexed axes), spread out or gathered in a corner, queried from the list and
// from elsewhere, edges included.
TEST(NeighbourIndex, SameNeighboursAsTestingEveryCell) {
    std::mt19937 random(19);
    for (int dimension = 2; dimension <= 8; ++dimension) {
        const std::int32_t cells = integerPower(8, dimension);
        for (const std::int32_t count : {1, 20, 300, 3000}) {
            for (const int spread : {8, 3}) {
                // Coordinates below `limit` on every axis.
                const auto randomCell = [&](int limit) {
                    std::uniform_int_distribution<int> coordinate(0, limit - 1);
                    std::int32_t cell = 0;
                    for (int axis = 0; axis < dimension; ++axis) {
                        cell = cell * 8 + coordinate(random);
                    }
                    return cell;
                };
                std::vector<std::int32_t> list;
                for (std::int32_t i = 0; i < std::min(count, cells / 2); ++i) {
                    list.push_back(randomCell(spread));
                }
                std::sort(list.begin(), list.end());
                list.erase(std::unique(list.begin(), list.end()), list.end());
                const detail::NeighbourIndex index(dimension, list);
                for (int query = 0; query < 40; ++query) {
                    const std::int32_t cell =
                        query % 2 == 0 ? list[static_cast<std::size_t>(query) % list.size()] : randomCell(8);
                    const PackedPosition position = packPosition(cell);
                    std::vector<std::int32_t> expected;
                    for (const std::int32_t listed : list) {
                        if (listed != cell && isWithinOneStep(position, packPosition(listed))) {
                            expected.push_back(listed);
                        }
                    }
                    std::vector<std::int32_t> found;
                    index.forEachNeighbourOf(cell, position, [&](std::uint32_t i) {
                        found.push_back(index.cells()[i]);
                        return true;
                    });
                    ASSERT_EQ(found, expected) << "dimension " << dimension << " cell " << cell;
                }
            }
        }
    }
}

}  // namespace
}  // namespace kalvenor::testing
