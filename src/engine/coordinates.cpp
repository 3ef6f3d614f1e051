#include "engine/coordinates.h"

#include <algorithm>
#include <cassert>

namespace kalvenor {

std::int32_t integerPower(std::int32_t base, std::int32_t exponent) {
    if (exponent < 0 || base == 0) {
        return -1;
    }
    if (exponent == 0) {
        return 1;
    }
    // Square and multiply in unsigned arithmetic: the same bits as the repeated signed 32-bit
    // product, without its undefined overflow and in logarithmic time for any exponent.
    std::uint32_t result = 1;
    std::uint32_t factor = static_cast<std::uint32_t>(base);
    for (std::uint32_t rest = static_cast<std::uint32_t>(exponent); rest != 0; rest >>= 1) {
        if (rest & 1U) {
            result *= factor;
        }
        factor *= factor;
    }
    return static_cast<std::int32_t>(result);
}

std::int32_t cellIndex(std::span<const std::int32_t> coordinates, int dimension) {
    if (coordinates.size() < static_cast<std::size_t>(std::max(dimension, 1)) || dimension < kMinDimension) {
        return -1;
    }
    std::int32_t index = 0;
    std::int32_t weight = 1;
    for (int axis = 0; axis < dimension; ++axis) {
        index += coordinates[axis] * weight;
        weight *= kAxisLength;
    }
    return index;
}

}  // namespace kalvenor
