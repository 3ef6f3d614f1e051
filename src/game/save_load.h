#pragma once

#include <string>

#include "game/session.h"

namespace kalvenor {

// Commands 150 and 151: the save dialog and the file written, the load dialog and the game
// restored. False when nothing was saved or loaded (cancelled, refused or failed; a box says why).
bool saveGame(Session& session);
bool loadGame(Session& session);
// Command 151 without its dialog: loads the saved game at `path` (a file named on the desktop
// program's command line) with the same refusals, and remembers it as the next dialog's name.
bool loadGameFile(Session& session, const std::string& path);

}  // namespace kalvenor
