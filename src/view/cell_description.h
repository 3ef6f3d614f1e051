#pragma once

// What the platform's accessibility says of a cell button: the cell's coordinates and what the
// button shows, and what sets the cell apart.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/window_system.h"

namespace kalvenor {

// "縦:4  横:5  先手の石 ■", "縦:1  横:1  空き", "縦:2  横:3  空き ↓ 打てる" ...
std::string cellAccessibleName(int dimension, std::int32_t cell, std::string_view buttonText);
// "最後の手", "最後の手で返った石", "勝った五目", the threat marks' words, or empty; in the display
// language.
std::string_view cellAccessibleDescription(platform::CellHighlight highlight);

}  // namespace kalvenor
