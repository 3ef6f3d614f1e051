#pragma once

#include <vector>

#include "platform/window_system.h"

namespace kalvenor {

// The classic menu bar (MyMenu): two-person games of two to four axes and quit under "メニュー",
// and the About box as a command on the bar itself.
std::vector<platform::MenuItem> classicMenu();

}  // namespace kalvenor
