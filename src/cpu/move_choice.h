#pragma once

#include <cstdint>

#include "engine/board.h"
#include "engine/cell_state.h"

namespace kalvenor {

// Tie-break score of a cell: q = cell div 8, r = cell mod 8; q - 3 when q >= 3, else |r - 3|.
std::int32_t placementScore(std::int32_t cell);

// `side` must be First or Second (checked in debug builds). Neither strategy changes the board.

// The first of the corners 0, 7, 56, 63 that is Empty and legal; otherwise, among the Empty cells
// with the largest positive enclosure count, the one with the highest placementScore, and among
// those the lowest index. -1 when no Empty cell encloses anything (a pass).
std::int32_t chooseMostEnclosing(const Board& board, CellState side);

// The lowest-index Empty cell among those with the smallest positive enclosure count; -1 when
// no Empty cell encloses anything.
std::int32_t chooseFewestEnclosing(const Board& board, CellState side);

}  // namespace kalvenor
