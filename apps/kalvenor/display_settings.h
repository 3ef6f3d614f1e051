#pragma once

// What the desktop program remembers of how it shows the game, in its settings: the 表示 menu's
// choices.

#include "game/session.h"
#include "view/board_view.h"

namespace kalvenor {

// The large board unless the last run turned it off.
BoardLayout storedBoardLayout();
void storeBoardLayout(BoardLayout layout);

// The threat marks (警告表示) and the view that follows the play (手を追う): each on unless the
// last run turned it off.
Session::Options storedOptions();
void storeOptions(const Session::Options& options);

}  // namespace kalvenor
