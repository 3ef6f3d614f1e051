#include "view/axis_marks.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/coordinates.h"

namespace kalvenor {
namespace {

std::int32_t sliceOf(std::int32_t cell) {
    return cell & ~0x1FF;  // the coordinates beyond the third axis
}

// From any slice, each caption clicked once from the first axis to the last reaches a slice that
// holds a target: at most D - 3 clicks, whatever the targets.
TEST(AxisMarks, CaptionsLeftToRightReachATargetInDMinusThreeClicks) {
    std::mt19937 random(7);
    for (int dimension = 4; dimension <= 8; ++dimension) {
        const std::int32_t cells = integerPower(8, dimension);
        for (int trial = 0; trial < 50; ++trial) {
            std::vector<std::int32_t> targets(1 + random() % 4);
            for (std::int32_t& target : targets) {
                target = static_cast<std::int32_t>(random() % static_cast<unsigned>(cells));
            }
            std::int32_t view = sliceOf(static_cast<std::int32_t>(random() % static_cast<unsigned>(cells)));
            for (int k = 0; k + 3 < dimension; ++k) {
                const std::vector<std::uint32_t> marks = axisMarks(targets, dimension, view);
                const int current = coordinateOf(view, 3 + k) + 1;
                const std::optional<int> next =
                    nextMarkedPosition(marks[static_cast<std::size_t>(k)], current);
                ASSERT_TRUE(next.has_value()) << dimension << " " << trial << " " << k;
                view += (*next - current) * integerPower(8, 3 + k);
            }
            bool reached = false;
            for (const std::int32_t target : targets) {
                reached = reached || sliceOf(target) == view;
            }
            EXPECT_TRUE(reached) << dimension << " " << trial;
        }
    }
}

TEST(AxisMarks, NextPositionWrapsAndTheCurrentOneComesLast) {
    EXPECT_EQ(nextMarkedPosition(0, 4), std::nullopt);
    EXPECT_EQ(nextMarkedPosition(1U << 4, 4), 4);
    EXPECT_EQ(nextMarkedPosition((1U << 2) | (1U << 6), 6), 2);
    EXPECT_EQ(nextMarkedPosition((1U << 2) | (1U << 6), 3), 6);
    EXPECT_TRUE(axisMarks(std::vector<std::int32_t>{1}, 3, 0).empty());
}

// The marks found without the list are those of the list, for the legal cells and for the stones.
TEST(AxisMarks, MarksWithoutTheListAreTheListsMarks) {
    std::mt19937 random(11);
    for (int dimension = 3; dimension <= 5; ++dimension) {
        for (const int stonesInTen : {1, 4, 9}) {
            Board board(dimension);
            for (std::int32_t cell = 0; cell < board.cellCount(); ++cell) {
                if (static_cast<int>(random() % 10) < stonesInTen) {
                    board.set(cell, random() % 2 == 0 ? CellState::First : CellState::Second);
                }
            }
            const auto view =
                sliceOf(static_cast<std::int32_t>(random() % static_cast<unsigned>(board.cellCount())));
            for (const int guideLevel : {0, 1}) {
                for (const CellState side : {CellState::First, CellState::Second}) {
                    EXPECT_EQ(navigationMarks(board, guideLevel, side, view),
                              axisMarks(navigationTargets(board, guideLevel, side), dimension, view))
                        << dimension << " " << stonesInTen << " " << guideLevel;
                }
            }
        }
    }
}

}  // namespace
}  // namespace kalvenor
