#pragma once

#include <cstdint>

#include "game/session.h"

namespace kalvenor {

// One move or pass of the computer playing sideToMove against the person (also the computer's
// opening when the person moves second). Does not switch sides. Returns the cell, or -1 for a pass.
std::int32_t playCpuReply(Session& session);

// One move or pass of the side to move in a game between computers; does not switch sides.
std::int32_t playCpuStep(Session& session);

// After every move or pass (sides already switched): announces a win of the side that has just
// moved, or a draw on a full board. True when it announced a result.
bool checkGameEnd(Session& session);
// Ends the game: inProgress off, labels, the result box and the record's end lines.
// winner is First, Second or Empty for a draw.
void announceResult(Session& session, CellState winner);

}  // namespace kalvenor
