#pragma once

#include <string>

namespace kalvenor {

// The image file of the window icon (MyIcon): the installed copy when the program is installed,
// else the one in the source tree; empty when neither exists.
std::string myIconPath();

}  // namespace kalvenor
