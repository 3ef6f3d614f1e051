#pragma once

#include <cstdint>

namespace kalvenor {

// Who plays. Stored as a 32-bit word in saved games.
enum class GameMode : std::int32_t { HumanVsHuman = 0, HumanVsCpu = 1, CpuVsCpu = 2 };

}  // namespace kalvenor
