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

// The indices consumed, with each value checked against the index; stops after `last`. With
// `stalling`, the second thread sleeps on every item it makes, so the caller overtakes it.
std::vector<std::int32_t> consumed(std::int32_t count, bool twoThreads, std::int32_t last,
                                   bool stalling = false) {
    const std::thread::id caller = std::this_thread::get_id();
    std::vector<std::int32_t> order;
    forEachMadeInOrder<Item>(
        count, twoThreads,
        [&](std::int32_t i, Item& item) {
            if (stalling && std::this_thread::get_id() != caller) {
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
            item.words.fill(i * 7 + 1);
        },
        [&](std::int32_t i, const Item& item) {
            for (const std::int64_t word : item.words) {
                EXPECT_EQ(word, i * 7 + 1);
            }
            order.push_back(i);
            return i != last;
        });
    return order;
}

// Everything arrives once, in order, however the second thread runs; a stalled one is overtaken
// (its copies are dropped).
TEST(OrderedOnTwoThreads, TheSameItemsInTheSameOrderAsOnOneThread) {
    for (const std::int32_t count : {0, 1, 2, 3, 33, 200, 1000}) {
        for (const std::int32_t last : {-1, 0, 1, 16, 17, 500}) {
            for (const bool stalling : {false, true}) {
                EXPECT_EQ(consumed(count, true, last, stalling), consumed(count, false, last))
                    << count << " items, stopped after " << last << (stalling ? ", stalling" : "");
            }
        }
    }
    EXPECT_EQ(consumed(1000, true, -1).size(), 1000U);
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
