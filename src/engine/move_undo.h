#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "engine/board.h"
#include "engine/cell_state.h"

namespace kalvenor {

// A move and its exact undo. `changed` lists what a move changed: the cell placed first, then
// every stone it turned (the same list the incremental five check takes). Taking a move back
// empties the cell and turns those stones back to the other side, so the board, its counts and
// its occupancy summary are as they were.

// Places `side` on `cell` (Empty) and turns the enclosed stones; appends the cell and the turned
// stones to `changed`. Returns the number of stones turned.
std::int32_t playEnclosingMove(Board& board, std::int32_t cell, CellState side,
                               std::vector<std::int32_t>& changed);

// Takes back a move of `side` whose changes are `changed` (cell first). A move without turned
// stones, such as one of two people, is just its cell.
void undoMove(Board& board, std::span<const std::int32_t> changed, CellState side);

// Plays again a move that undoMove took back: the cell gets `side` and the turned stones turn again.
void replayMove(Board& board, std::span<const std::int32_t> changed, CellState side);

}  // namespace kalvenor
