#pragma once

#include <cstdint>

namespace kalvenor {

// What one cell holds. Stored as one byte per cell on the board and in saved games.
enum class CellState : std::uint8_t { Empty = 0, First = 1, Second = 2 };

// The side that is not `side` (First for anything but First, as the game switches sides).
constexpr CellState otherSide(CellState side) {
    return side == CellState::First ? CellState::Second : CellState::First;
}

// Index 0 for First, 1 for Second: per-side arrays such as the turn counters.
constexpr int sideIndex(CellState side) {
    return side == CellState::First ? 0 : 1;
}

}  // namespace kalvenor
