#pragma once

// The turn flow of the computer against itself, stepped by the four buttons of VsControls.

#include "game/session.h"

namespace kalvenor {

// A click on a step button (CpuVsCpu, in progress or not): 一手進む one move, 10手進む ten,
// 最後まで to the end, 最初から a restart from the opening. Finds the clicked button itself by
// asking the buttons' state.
void stepCpuVsCpu(Session& session);

}  // namespace kalvenor
