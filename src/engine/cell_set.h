#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

namespace kalvenor::detail {

// A set of a few cells in a flat table of at least twice as many slots, found by their hash with
// linear probing. A few thousand cells fit in the first-level cache, where a look at the board of
// eight axes (16 MiB) or a bitset over it mostly misses; clearing costs the cells held, not the
// board.
class CellSet {
  public:
    explicit CellSet(std::size_t expected = 0) { reserve(expected); }

    // Makes room for `count` cells without growing; the set must be empty.
    void reserve(std::size_t count) {
        const std::size_t slots = std::bit_ceil(std::max<std::size_t>(2 * count, kFewestSlots));
        if (slots > slots_.size()) {
            slots_.assign(slots, kNone);
            shift_ = 64 - std::countr_zero(slots);
        }
    }

    void insert(std::int32_t cell) {
        if (2 * (used_.size() + 1) > slots_.size()) {
            grow();
        }
        std::size_t slot = slotOf(cell);
        while (slots_[slot] != kNone) {
            if (slots_[slot] == cell) {
                return;
            }
            slot = (slot + 1) & (slots_.size() - 1);
        }
        slots_[slot] = cell;
        used_.push_back(slot);
    }

    bool contains(std::int32_t cell) const {
        for (std::size_t slot = slotOf(cell);; slot = (slot + 1) & (slots_.size() - 1)) {
            if (slots_[slot] == cell) {
                return true;
            }
            if (slots_[slot] == kNone) {
                return false;
            }
        }
    }

    void clear() {
        for (const std::size_t slot : used_) {
            slots_[slot] = kNone;
        }
        used_.clear();
    }

  private:
    static constexpr std::int32_t kNone = -1;
    static constexpr std::size_t kFewestSlots = 16;

    std::size_t slotOf(std::int32_t cell) const {
        return static_cast<std::size_t>(
            (static_cast<std::uint64_t>(static_cast<std::uint32_t>(cell)) * 0x9E3779B97F4A7C15ULL) >> shift_);
    }

    void grow() {
        std::vector<std::int32_t> cells;
        cells.reserve(used_.size());
        for (const std::size_t slot : used_) {
            cells.push_back(slots_[slot]);
        }
        clear();
        reserve(slots_.size());
        for (const std::int32_t cell : cells) {
            insert(cell);
        }
    }

    std::vector<std::int32_t> slots_;
    std::vector<std::size_t> used_;  // the slots that hold a cell
    int shift_ = 64;
};

}  // namespace kalvenor::detail
