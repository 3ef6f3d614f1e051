#pragma once

#include "game/session.h"

namespace kalvenor {

// On the person's turn against the computer: marks the cell the strong level would take for them
// (the view moves to its slice first when it is not shown). Writes nothing to the record.
void showHint(Session& session);

}  // namespace kalvenor
