#pragma once

#include <functional>

#include "engine/board.h"
#include "engine/cell_state.h"
#include "engine/enclosure_counts.h"
#include "engine/run_to_empty_cell.h"

namespace kalvenor::detail {

// The enclosure rule on a board dense with stones, 64 cells at a time: the board is read as
// planes of 8 × 8 cells (CellPlanes) and the rays of every Empty cell of a plane are walked out
// together, one direction at a time, through the planes they cross. The cost follows the planes
// and the directions, not the rays, of which a dense board at eight axes has billions.

// The same cells and counts as forEachEnclosureCount, in index order: with CountsWanted::Most or
// Fewest, a plane's cells that cannot equal or beat the record of the counts visited before are
// left out, and a walk for the fewest ends with the cube where a count of one came.
void forEachEnclosureCountInPlanes(const Board& board, CellState side,
                                   const std::function<void(const EnclosureCount&)>& visit,
                                   CountsWanted wanted = CountsWanted::Every);

// The legal Empty cells from `from` on, in index order, until visit returns false; false when it
// did. A plane's walks stop as soon as every Empty cell of it is known to be legal. With
// `wantedCube`, a cube of 512 cells is walked only if wantedCube(its first cell) holds when the
// walk reaches it.
bool forEachEnclosingCellInPlanes(const Board& board, CellState side, std::int32_t from,
                                  const std::function<bool(std::int32_t)>& visit,
                                  const std::function<bool(std::int32_t)>& wantedCube = {});

// Every enclosing ray of every Empty cell, each once, in no particular order, until visit returns
// false; false when it did.
bool forEachEnclosingRayInPlanes(const Board& board, CellState side,
                                 const std::function<bool(const RunToEmptyCell&)>& visit);

// Whether `side` has a legal Empty cell: stops at the first ray.
bool hasEnclosingCellInPlanes(const Board& board, CellState side);

}  // namespace kalvenor::detail
