#pragma once

#include <cstdint>
#include <vector>

#include "game/session.h"

namespace kalvenor {

// Plays the computer's choice for the side to move: the stone on `cell` with the enclosed stones
// turned, or a pass when `cell` is -1; advances the side's turn counter, writes the last-move label
// and the record line, and sets the count labels. The cells placed and turned are appended to
// `changedCells` when given. Sides are not switched.
void playComputerChoice(Session& session, std::int32_t cell, std::vector<std::int32_t>* changedCells);

}  // namespace kalvenor
