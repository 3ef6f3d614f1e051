#pragma once

// The moves a screen reader hears without the cursor moving: each move played while the window
// handles an event is noted, and the window says them in one go, so that the computer's reply
// does not cut the person's own move short: once the event is handled, or before a box that the
// event opens (the box holds the event until it is closed).

#include <cstddef>
#include <cstdint>

#include "engine/cell_state.h"
#include "game/game_history.h"
#include "game/session.h"
#include "platform/window_system.h"

namespace kalvenor {

// A stone of `side` on `cell` that turned `turned` stones; `cell` -1 is a pass.
void noteMoveToAnnounce(Session& session, std::int32_t cell, CellState side, std::size_t turned);
// 待った or やり直し has just taken back or played again the stones of `step`.
enum class StepChange { TakenBack, PlayedAgain };
void noteStepToAnnounce(Session& session, const Step& step, StepChange change);
// Says the moves noted since the last call, if any, and forgets them.
void announceNotedMoves(Session& session);

// A box of the game's window, after the moves noted so far have been said.
platform::MessageBoxResult showGameBox(Session& session, std::string_view text, std::string_view caption,
                                       platform::MessageBoxStyle style);

}  // namespace kalvenor
