#pragma once

#include "game/session.h"

namespace kalvenor {

// Releases the board and every control array that exists (each only once: a released one is
// absent) and ends the event loop with exit code 0. Destroys no control: the controls go with the
// main window.
void quitProgram(Session& session);

}  // namespace kalvenor
