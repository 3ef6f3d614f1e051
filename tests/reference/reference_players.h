#pragma once

#include <cstdint>
#include <functional>

#include "reference/reference_rules.h"

namespace kalvenor::reference {

std::int32_t placementScore(std::int32_t cell);
std::int32_t chooseMostEnclosing(const Cells& board, std::uint8_t side, int dimension,
                                 std::int32_t cellCount);
std::int32_t chooseFewestEnclosing(const Cells& board, std::uint8_t side, int dimension,
                                   std::int32_t cellCount);

// Called before every cell examined with (cells examined so far, N).
using ProgressShown = std::function<void(std::int32_t, std::int32_t)>;
int checkAutoPass(int dimension, std::int32_t cellCount, const Cells& board, std::uint8_t side,
                  const ProgressShown& shown);

}  // namespace kalvenor::reference
