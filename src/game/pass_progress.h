#pragma once

#include "engine/cell_state.h"
#include "game/session.h"

namespace kalvenor {

// True when `side` has no legal cell and must pass. On boards of four or more axes the search
// shows how far it has come in the two progress labels; when it finds a legal cell it empties
// them, when it finds none they keep their last texts.
bool checkAutoPassShowingProgress(Session& session, CellState side);

}  // namespace kalvenor
