// Items made on two threads reach the caller in index order, however either thread runs, and the
// second thread ends however the caller stops: at the end, early, or by an exception.

#include "engine/ordered_on_two_threads.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

namespace kalvenor::detail {
namespace {

struct Item {
    std::array<std::int64_t, 64> words{};  // a size like the cubes' counts, to catch a torn copy
};

// The indices consumed, with each value checked against the index; stops after `last`.
std::vector<std::int32_t> consumed(std::int32_t count, bool twoThreads, std::int32_t last) {
    std::vector<std::int32_t> order;
    forEachMadeInOrder<Item>(
        count, twoThreads, [](std::int32_t i, Item& item) { item.words.fill(i * 7 + 1); },
        [&](std::int32_t i, const Item& item) {
            for (const std::int64_t word : item.words) {
                EXPECT_EQ(word, i * 7 + 1);
            }
            order.push_back(i);
            return i != last;
        });
    return order;
}

TEST(OrderedOnTwoThreads, TheSameItemsInTheSameOrderAsOnOneThread) {
    for (const std::int32_t count : {0, 1, 2, 3, 33, 1000}) {
        for (const std::int32_t last : {-1, 0, 1, 16, 17, 500}) {
            EXPECT_EQ(consumed(count, true, last), consumed(count, false, last))
                << count << " items, stopped after " << last;
        }
    }
    EXPECT_EQ(consumed(1000, true, -1).size(), 1000U);
}

// A second thread that stalls: the caller makes the items it holds up (the stalled copies are
// dropped) and everything still arrives once, in order.
TEST(OrderedOnTwoThreads, AStalledSecondThreadIsOvertaken) {
    const std::thread::id caller = std::this_thread::get_id();
    std::vector<std::int32_t> order;
    forEachMadeInOrder<Item>(
        200, true,
        [caller](std::int32_t i, Item& item) {
            if (std::this_thread::get_id() != caller) {
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
            item.words.fill(i);
        },
        [&](std::int32_t i, const Item& item) {
            EXPECT_EQ(item.words.back(), i);
            order.push_back(i);
            return true;
        });
    ASSERT_EQ(order.size(), 200U);
    for (std::size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(order[i], static_cast<std::int32_t>(i));
    }
}

TEST(OrderedOnTwoThreads, AnExceptionStopsTheSecondThread) {
    for (const std::int32_t at : {0, 1, 2, 40}) {
        std::int32_t seen = 0;
        EXPECT_THROW(forEachMadeInOrder<Item>(
                         100, true, [](std::int32_t, Item&) {},
                         [&](std::int32_t i, const Item&) {
                             if (i == at) {
                                 throw std::runtime_error("stop");
                             }
                             ++seen;
                             return true;
                         }),
                     std::runtime_error);
        EXPECT_EQ(seen, at);
    }
}

}  // namespace
}  // namespace kalvenor::detail
