#pragma once

#include <cstdint>
#include <vector>

#include "game/session.h"

namespace kalvenor {

// The computer's part of a turn against the person, entered with the computer to move right after
// the person's move or pass (`changedCells`: what that move placed and turned). Checks the end of
// the game, lets the computer move or pass, and repeats while the person has to pass; returns
// with the person to move or the game over.
void playComputerTurns(Session& session, std::vector<std::int32_t> changedCells);

}  // namespace kalvenor
