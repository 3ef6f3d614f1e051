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

}  // namespace
}  // namespace kalvenor
