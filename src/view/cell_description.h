#pragma once

// What the platform's accessibility says of a cell button: the cell's coordinates and what the
// button shows, and what sets the cell apart.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/cell_state.h"
#include "platform/window_system.h"

namespace kalvenor {

// The text a cell button shows for a stone, or nothing for an empty cell.
std::optional<std::string_view> stoneText(CellState state);

// "縦:4  横:5  先手の石 ■", "縦:1  横:1  空き", "縦:2  横:3  空き ↓ 打てる" ...
std::string cellAccessibleName(int dimension, std::int32_t cell, std::string_view buttonText);
// "最後の手", "最後の手で返った石", "勝った五目", the threat marks' words, or empty; in the display
// language.
std::string_view cellAccessibleDescription(platform::CellHighlight highlight);

// What a screen reader says of a move: the cell as it says it under the cursor, with the stone
// placed, and how many stones turned ("縦:5  横:4  先手の石 ■  2個返った。"); nothing of turning
// where none turned. A pass is the side's stone and the pass ("先手の石 ■  パス。").
std::string moveAnnouncement(int dimension, std::int32_t cell, CellState side, std::size_t turned);
std::string passAnnouncement(CellState side);

}  // namespace kalvenor
