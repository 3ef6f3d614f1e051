#pragma once

#include "engine/cell_state.h"
#include "records/game_mode.h"
#include "records/saved_game.h"

namespace kalvenor {

// The saved game of a fresh game of `dimension` (2..8) and `mode` whose board holds the standard
// opening: the sizes and view of a new game, guide off, in progress, First to move, both turn
// numbers 1, stone count 2^D. Loading it is how a game under the enclosure rule gets its stones.
SavedGame standardOpeningGame(int dimension, GameMode mode, CellState humanSide = CellState::First);

}  // namespace kalvenor
