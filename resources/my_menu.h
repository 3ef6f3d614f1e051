#pragma once

#include <vector>

#include "platform/window_system.h"

namespace kalvenor {

// The menu bar of the main window (MyMenu): two-person games of two to four axes and quit under
// "メニュー", and the About box as a command on the bar itself.
std::vector<platform::MenuItem> myMenu();

}  // namespace kalvenor
