#pragma once

// The moves a screen reader hears without the cursor moving: each move played while the window
// handles an event is noted, and once the event is handled the window says them in one go, so
// that the computer's reply does not cut the person's own move short.

#include <cstddef>
#include <cstdint>

#include "engine/cell_state.h"
#include "game/session.h"

namespace kalvenor {

// A stone of `side` on `cell` that turned `turned` stones; `cell` -1 is a pass.
void noteMoveToAnnounce(Session& session, std::int32_t cell, CellState side, std::size_t turned);
// Says the moves noted since the last call, if any, and forgets them.
void announceNotedMoves(Session& session);

}  // namespace kalvenor
