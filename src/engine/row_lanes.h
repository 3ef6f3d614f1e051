#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

#include "engine/cell_state.h"
#include "engine/packed_position.h"

namespace kalvenor::detail {

// The eight cells of a row along axis 0 read as one 64-bit word: cell x in byte x. A set of
// them is a lane mask, cell x as bit 8x.

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

}  // namespace kalvenor::detail
