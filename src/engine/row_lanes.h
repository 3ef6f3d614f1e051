#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

#include "engine/cell_state.h"
#include "engine/packed_position.h"

namespace kalvenor::detail {

// The eight cells of a row along axis 0 read as one 64-bit word: cell x in byte x. A set of
// them is a lane mask, cell x as bit 8x, so that moving every member one cell along axis 0 is a
// shift by eight bits that drops the cells leaving the row.

inline std::uint64_t rowWord(const std::uint8_t* cells, std::int32_t rowStart) {
    std::uint64_t word = 0;
    std::memcpy(&word, cells + rowStart, sizeof word);
    if constexpr (std::endian::native == std::endian::big) {
        word = __builtin_bswap64(word);
    }
    return word;
}

// The cells of the row that hold `state`. A cell holds 0, 1 or 2: Empty, First or Second.
inline std::uint64_t lanesHolding(std::uint64_t word, CellState state) {
    switch (state) {
        case CellState::First:
            return word & kLaneOnes;
        case CellState::Second:
            return (word >> 1) & kLaneOnes;
        case CellState::Empty:
            break;
    }
    return ~(word | (word >> 1)) & kLaneOnes;
}

// The members of `lanes` moved `dx` (-1, 0 or +1) cells along axis 0.
inline std::uint64_t shiftLanes(std::uint64_t lanes, int dx) {
    return dx > 0 ? lanes << 8 : dx < 0 ? lanes >> 8 : lanes;
}

// The cell of each member of `lanes`, lowest first, until visit returns false; false when it did.
template <typename Visit>
bool forEachLane(std::uint64_t lanes, Visit&& visit) {
    for (; lanes != 0; lanes &= lanes - 1) {
        if (!visit(std::countr_zero(lanes) / 8)) {
            return false;
        }
    }
    return true;
}

}  // namespace kalvenor::detail
