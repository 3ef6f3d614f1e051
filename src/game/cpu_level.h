#pragma once

#include "cpu/levels.h"

namespace kalvenor {

struct Session;

// The computer's level against a person (it applies from its next move on); tells the session's
// listener of the change.
void setCpuLevel(Session& session, CpuLevel level);

}  // namespace kalvenor
