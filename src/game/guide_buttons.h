#pragma once

#include "game/session.h"

namespace kalvenor {

// A click on a guide level button: sets the guide level, brackets that button's text alone and
// redraws the board for the side to move. False when no guide button was clicked.
bool onGuideButtonClick(Session& session);

}  // namespace kalvenor
