#pragma once

#include <cstdint>

#include "engine/board.h"
#include "engine/cell_state.h"

namespace kalvenor {

// The medium level (中級) for `side` (First or Second) under the enclosure rule: a five when one
// stone makes it; else, when the opponent has a five in one, a move after which it has none (its
// threatened cells first, then the other legal cells by the most stones enclosed), as long as one
// of the first kMaxBlockTries tried holds; else the greedy level's move (chooseMostEnclosing),
// unless that move opens a five in one for the opponent: then the most enclosing of its first
// kMaxCarefulTries moves that does not, if any. -1 for a pass. The board is played on while moves
// are tried and left exactly as it came.
std::int32_t chooseMediumMove(Board& board, CellState side);

// How many moves the medium level tries for a block before it gives up and plays greedily: a
// bound on its effort on boards with thousands of legal cells.
inline constexpr int kMaxBlockTries = 256;

// How many of its most enclosing moves the medium level weighs against opening a five for the
// opponent. It looks a move ahead only among the few moves it likes best, as a casual player
// does: enough to stop handing the greedy level its fives, not enough to rival the searching level.
inline constexpr int kMaxCarefulTries = 4;

}  // namespace kalvenor
