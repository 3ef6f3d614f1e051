#pragma once

#include "game/session.h"

namespace kalvenor {

// Puts the view's controls where `layout` wants them, now and for the views to come.
void setBoardLayout(Session& session, BoardLayout layout);
// Command 210 (表示 › 大きい盤): the large board on when it is off, and off when it is on.
void switchLargeBoard(Session& session);

}  // namespace kalvenor
