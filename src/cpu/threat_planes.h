#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/board.h"
#include "engine/cell_state.h"

namespace kalvenor::detail {

// The Empty cells where a stone of `side` makes five, on a board dense with stones: every window
// of five cells along every line is read 64 at a time from the board's 8 × 8 planes (CellPlanes),
// and its one Empty cell is marked when the other four hold the side's stones. The cost follows
// the planes and the directions, not the stones. In ascending order, at most `most` of them (the
// first ones).
std::vector<std::int32_t> fivesOnEmptyCellsInPlanes(const Board& board, CellState side, std::size_t most);

}  // namespace kalvenor::detail
