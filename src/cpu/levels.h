#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/board.h"
#include "engine/cell_state.h"

namespace kalvenor {

// How the computer plays against a person, weakest first: the greedy level (初級: the most stones
// enclosed, the default), the medium level (中級: it also takes a five and blocks one) and the
// searching player (上級). Games of the computer against itself always play the greedy strategies.
// The names stand in the settings the desktop program keeps and in script lines.
enum class CpuLevel { Standard, Medium, Strong };

// "standard", "medium", "strong": the level's name in settings, script lines and match reports.
std::string_view levelName(CpuLevel level);
// The level of a name; nothing for any other text.
std::optional<CpuLevel> levelNamed(std::string_view name);

// The move of `level` for `side`, or -1 for a pass. The board is left as it came.
std::int32_t chooseCpuMove(Board& board, CellState side, CpuLevel level);

}  // namespace kalvenor
