#pragma once

// The turn flow of two people at one screen.

#include "game/session.h"

namespace kalvenor {

// A click on a cell button in a game between two people (HumanVsHuman, while in progress): a
// stone on any Empty cell, nothing turned, nobody passes. Finds the clicked button itself by
// asking the buttons' state.
void playHumanMove(Session& session);

}  // namespace kalvenor
