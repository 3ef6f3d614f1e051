#pragma once

#include <cstdint>
#include <functional>

#include "engine/board.h"
#include "engine/cell_state.h"

namespace kalvenor {

// Progress of a pass check: `examined` cells of `cellCount` looked at so far, in the order
// q, q+1, ..., N-1, 0, ..., q-1 with q = N div 4.
using PassCheckProgress = std::function<void(std::int32_t examined, std::int32_t cellCount)>;

// True when no Empty cell is legal for side (the side must pass), false when one is. `side` must
// be First or Second (checked in debug builds). The progress is reported in every dimension;
// the caller decides where (and whether) it is shown.
// `progress`, when given, is called sparingly (throttled): its first call is examined = 0 and its
// last call is exactly the last count the cell-by-cell search would show: the position in the
// order above of the first legal cell, or N - 1 when there is none.
bool checkAutoPass(const Board& board, CellState side, const PassCheckProgress& progress = {});

}  // namespace kalvenor
