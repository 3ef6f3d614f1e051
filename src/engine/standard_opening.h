#pragma once

#include "engine/board.h"

namespace kalvenor {

// The standard opening used by benchmarks, tests and the opening tool: every cell whose
// coordinates are all 3 or 4 holds a stone, First when an odd number of its coordinates are 4,
// else Second (in two dimensions the familiar four-stone start). Other cells are left as they are.
void placeStandardOpening(Board& board);

}  // namespace kalvenor
