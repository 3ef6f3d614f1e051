#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "engine/board.h"
#include "engine/cell_state.h"

namespace kalvenor {

// `side` must be First or Second and cells 0..N-1 (checked in debug builds; a release build
// treats a cell off the board as no five). Nothing reads outside the board.

// True if the five cells c+v .. c+5v along some direction v are all on the board and hold side.
// c itself is not read. The literal per-cell test; the game searches with the functions below.
bool hasFiveFrom(const Board& board, std::int32_t cell, CellState side);

// Whole-board search: true if `side` has five (or more) stones in an unbroken straight line
// anywhere, also on a line of exactly five cells (which no cell-by-cell hasFiveFrom search can
// see). Use it for a board that came from a file, or whenever it is not known that the board had
// no five of `side` before the last change; it costs about the side's stones, not N.
bool hasFiveAnywhere(const Board& board, CellState side);

// Incremental search: true if `side` has a five on a line through one of `changedCells`. After a
// move of `side` on a board that had no five of `side` before, given the cell placed and every
// cell turned (turnEnclosed lists them), this answers exactly as the whole-board search: a new
// five must pass through a cell the move changed. A five that stood before is not seen.
bool hasFiveThrough(const Board& board, std::span<const std::int32_t> changedCells, CellState side);

// The cells of one unbroken straight line of five or more stones of `side`, in line order; empty
// when there is none. For showing a won game: it walks every direction from every stone of side.
std::vector<std::int32_t> fiveCells(const Board& board, CellState side);

// No Empty cell left.
bool isBoardFull(const Board& board);

// Number of cells holding side.
std::int32_t countStones(const Board& board, CellState side);

}  // namespace kalvenor
