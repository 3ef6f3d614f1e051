#pragma once

// The desktop program, on either system, starts where the last run left its choices (the computer's
// level, the language, the 表示 settings) and remembers each later one in its settings.

#include "game/session.h"

namespace kalvenor {

// Fills `session` with the stored choices, shows the window's texts in the chosen language and
// stores every change that follows; turns on the game's file in the title and the question
// before an unsaved game is thrown away.
void rememberChoices(Session& session);

}  // namespace kalvenor
