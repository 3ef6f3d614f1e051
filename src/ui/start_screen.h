#pragma once

#include "game/session.h"

namespace kalvenor {

// The start screen before the first game: InfoLabels with 12 slots, the five notice labels in
// slots 0..4, the line that points to the game menu in slot 5, and viewCellCount 12 (the slot
// count of that array).
void createStartScreen(Session& session);

}  // namespace kalvenor
