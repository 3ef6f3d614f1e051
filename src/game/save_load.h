#pragma once

#include "game/session.h"

namespace kalvenor {

// Commands 150 and 151: the save dialog and the file written, the load dialog and the game
// restored. False when nothing was saved or loaded (cancelled, refused or failed; a box says why).
bool saveGame(Session& session);
bool loadGame(Session& session);

}  // namespace kalvenor
