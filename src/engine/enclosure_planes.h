#pragma once

#include <functional>

#include "engine/board.h"
#include "engine/cell_state.h"
#include "engine/enclosure_counts.h"

namespace kalvenor::detail {

// The enclosure counts of a board dense with stones, 64 cells at a time: the board is read as
// planes of 8 × 8 cells (CellPlanes) and the rays of every Empty cell of a plane are walked out
// together, one direction at a time, through the planes they cross. The cost follows the planes
// and the directions, not the rays, of which a dense board at eight axes has billions.

// The same cells and counts as forEachEnclosureCount, in index order.
void forEachEnclosureCountInPlanes(const Board& board, CellState side,
                                   const std::function<void(const EnclosureCount&)>& visit);

// Whether `side` has a legal Empty cell: stops at the first plane that holds one.
bool hasEnclosingCellInPlanes(const Board& board, CellState side);

}  // namespace kalvenor::detail
