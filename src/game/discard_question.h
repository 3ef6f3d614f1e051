#pragma once

#include "game/session.h"

namespace kalvenor {

// Before the current game is thrown away (a new game, a load, 最初から): when the session asks,
// and the game is unfinished and changed since it was last saved or loaded, asks whether to save
// it first: Save, Discard or Cancel. Save goes through the usual save, its dialog and refusals
// included. True when the caller may go on: nothing to ask, saved, or discarded; false for
// Cancel and for a save that was cancelled or failed.
bool mayDiscardGame(Session& session);

}  // namespace kalvenor
