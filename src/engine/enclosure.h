#pragma once

#include <cstdint>
#include <vector>

#include "engine/board.h"
#include "engine/cell_state.h"

namespace kalvenor {

// The enclosure rule. An enclosing ray of cell c for `side` is a direction v such that
// c+v .. c+t*v (t >= 1) hold opposing stones and c+(t+1)*v holds `side`, all on the board.
// The content of c itself is never read. `side` must be First or Second and `cell` in 0..N-1:
// checked in debug builds; a release build answers "no ray" (false, 0, nothing turned) for a cell
// off the board. Nothing reads or writes outside the board.

// True if c has at least one enclosing ray for side.
bool isLegalMove(const Board& board, std::int32_t cell, CellState side);

// Stones enclosed over all enclosing rays of c (0 when there are none).
std::int32_t countEnclosed(const Board& board, std::int32_t cell, CellState side);

// Turns every enclosed stone of every enclosing ray of c to side; c itself is not written (the
// caller places the stone first). Returns the number of stones turned; when `turned` is given,
// the turned cells are appended to it (the incremental five check looks at their lines).
std::int32_t turnEnclosed(Board& board, std::int32_t cell, CellState side,
                          std::vector<std::int32_t>* turned = nullptr);

}  // namespace kalvenor
