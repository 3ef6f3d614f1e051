#pragma once

#include <cstdint>
#include <span>

namespace kalvenor {

inline constexpr int kMinDimension = 2;
inline constexpr int kMaxDimension = 8;
inline constexpr int kAxisLength = 8;

// base to the power exponent in signed 32-bit arithmetic; 1 when exponent is 0;
// -1 when exponent < 0 or base is 0 (so 0 to the power 0 is -1).
std::int32_t integerPower(std::int32_t base, std::int32_t exponent);

// c0 + 8*c1 + ... + 8^(D-1)*c(D-1); -1 when the coordinates are missing (fewer than D of them,
// an empty span included) or D < 2. The values are not checked: callers pass 0..7.
std::int32_t cellIndex(std::span<const std::int32_t> coordinates, int dimension);

// Coordinate `axis` of `index`: three bits per axis.
constexpr int coordinateOf(std::int32_t index, int axis) {
    return (index >> (3 * axis)) & 7;
}

}  // namespace kalvenor
