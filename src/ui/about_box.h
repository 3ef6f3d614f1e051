#pragma once

#include <string_view>

#include "game/game_file.h"  // kWindowTitle
#include "game/session.h"

namespace kalvenor {

// The five lines of the About box: the author, then the addresses, none of which the project has.
std::string_view aboutText();

// The About box: the text above, the title as caption, OK, no icon. Changes no state.
void showAboutBox(Session& session);

}  // namespace kalvenor
