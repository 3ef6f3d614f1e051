// Work split over two cores comes back in order, each result its own item's, and stops where a
// single thread would.

#include "engine/in_order_on_two_cores.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace kalvenor::detail {
namespace {

struct Square {
    std::int64_t value = -1;
};

// The items taken, with their results, stopping after `last`; whether all were taken.
std::vector<std::int64_t> takenUpTo(std::int32_t begin, std::int32_t end, std::int32_t twoCoresFrom,
                                    std::int32_t run, std::int32_t last, bool& all) {
    std::vector<std::int64_t> taken;
    all = forEachInOrderOnTwoCores<Square>(
        begin, end, twoCoresFrom, run,
        [](std::int32_t i, Square& square) { square.value = std::int64_t{i} * i; },
        [&](std::int32_t i, const Square& square) {
            EXPECT_EQ(square.value, std::int64_t{i} * i) << i;
            taken.push_back(i);
            return i != last;
        });
    return taken;
}

TEST(InOrderOnTwoCores, TakesEveryResultInOrderAndStopsWhereOneThreadWould) {
    for (const std::int32_t twoCoresFrom : {1, 1000}) {
        for (const std::int32_t run : {7, 150}) {
            for (const std::int32_t last : {-1, 3, 150, 299}) {
                bool all = false;
                const std::vector<std::int64_t> taken = takenUpTo(1, 300, twoCoresFrom, run, last, all);
                const std::int32_t end = last < 0 ? 300 : last + 1;
                ASSERT_EQ(taken.size(), static_cast<std::size_t>(end - 1))
                    << twoCoresFrom << " " << run << " " << last;
                for (std::size_t k = 0; k < taken.size(); ++k) {
                    EXPECT_EQ(taken[k], static_cast<std::int64_t>(k + 1));
                }
                EXPECT_EQ(all, last < 0);
            }
        }
    }
    bool all = false;
    EXPECT_TRUE(takenUpTo(5, 5, 1, 7, -1, all).empty());
    EXPECT_TRUE(all);
}

}  // namespace
}  // namespace kalvenor::detail
