#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <thread>

namespace kalvenor::detail {

// Makes make(i, value) for i = 0 .. count - 1 and hands each to consume(i, value) in index order
// on the calling thread, until consume returns false. With `twoThreads` a second thread makes
// items too: both take the next item not yet taken, up to kItemsAhead past the last consumed.
// The caller never waits for the second thread for long: with the window full it makes the next
// item itself (the second thread's copy is dropped), so a busy second core costs no more than
// one thread would. `make` is called from both threads at once and must only read what they
// share; it must not throw.
template <typename Value, typename Make, typename Consume>
void forEachMadeInOrder(std::int32_t count, bool twoThreads, const Make& make, const Consume& consume) {
    if (!twoThreads || count < 2) {
        for (std::int32_t i = 0; i < count; ++i) {
            Value value{};
            make(i, value);
            if (!consume(i, value)) {
                return;
            }
        }
        return;
    }
    constexpr std::int32_t kItemsAhead = 32;
    // A slot's tag: the item it holds, times four, plus where that item stands.
    enum Stage : std::int32_t { Making, Publishing, Made, TakenBack };
    const auto tag = [](std::int32_t item, Stage stage) { return item * 4 + stage; };
    struct Slot {
        std::atomic<std::int32_t> tag{-1};
        Value value{};
    };
    std::array<Slot, kItemsAhead> slots;
    const auto slotOf = [&](std::int32_t i) -> Slot& {
        return slots[static_cast<std::size_t>(i % kItemsAhead)];
    };
    std::atomic<std::int32_t> next{0};      // the first item nobody has taken
    std::atomic<std::int32_t> consumed{0};  // the items handed to consume
    // The next item to make, or -1: none left, or the window past the last consumed is full.
    const auto take = [&]() -> std::int32_t {
        std::int32_t i = next.load(std::memory_order_relaxed);
        while (i < count && i < consumed.load(std::memory_order_acquire) + kItemsAhead) {
            if (next.compare_exchange_weak(i, i + 1, std::memory_order_acq_rel)) {
                return i;
            }
        }
        return -1;
    };

    std::jthread second([&] {
        Value value{};
        while (true) {
            const std::int32_t i = take();
            if (i < 0) {
                if (next.load(std::memory_order_acquire) >= count) {
                    return;
                }
                // The window is full of items made or being made by the caller, which hands them
                // on in microseconds. Not std::atomic::wait: MinGW's GCC 12 can miss its wake-up.
                std::this_thread::yield();
                continue;
            }
            Slot& slot = slotOf(i);
            slot.tag.store(tag(i, Making), std::memory_order_release);
            value = Value{};
            make(i, value);
            std::int32_t expected = tag(i, Making);
            if (slot.tag.compare_exchange_strong(expected, tag(i, Publishing), std::memory_order_acq_rel)) {
                slot.value = value;
                slot.tag.store(tag(i, Made), std::memory_order_release);
            }
        }
    });
    // Declared after the thread, so that it runs first when the caller leaves, even by an
    // exception: the second thread finds nothing left to take and ends, then joins.
    struct EndOnExit {
        std::atomic<std::int32_t>& next;
        std::int32_t count;
        ~EndOnExit() { next.store(count, std::memory_order_release); }
    } endOnExit{next, count};

    for (std::int32_t i = 0; i < count;) {
        Slot& head = slotOf(i);
        std::int32_t headTag = head.tag.load(std::memory_order_acquire);
        bool goOn = true;
        if (headTag == tag(i, Made)) {
            goOn = consume(i, head.value);
        } else if (const std::int32_t ahead = take(); ahead >= 0) {
            Slot& slot = slotOf(ahead);  // the caller's own: made before it looks at the head again
            slot.value = Value{};
            make(ahead, slot.value);
            slot.tag.store(tag(ahead, Made), std::memory_order_release);
            continue;
        } else if (headTag == tag(i, Making) &&
                   head.tag.compare_exchange_strong(headTag, tag(i, TakenBack), std::memory_order_acq_rel)) {
            Value value{};
            make(i, value);
            goOn = consume(i, value);
        } else {
            std::this_thread::yield();  // the second thread is about to start it, or is storing it
            continue;
        }
        consumed.store(++i, std::memory_order_release);
        if (!goOn) {
            return;
        }
    }
}

}  // namespace kalvenor::detail
