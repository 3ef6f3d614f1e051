#pragma once

#include <cstdint>

namespace kalvenor {

// The sizes a game of `dimension` axes (2..8) starts with, as the game state and a saved game
// hold them. Pure data, shared by the new-game flow, the loader's checks and the opening tool.
struct BoardSizes {
    std::int32_t cellCount = 0;      // 8^D
    std::int32_t stoneCount = 0;     // 2^D
    std::int32_t viewCellCount = 0;  // the whole board up to three axes, one 8 x 8 x 8 slice beyond
    std::int32_t viewOffset = 0;     // the slice whose coordinate on every axis beyond the third is 3

    bool operator==(const BoardSizes&) const = default;
};

// The axes a view shows at once; the track bars choose the coordinates of the others.
inline constexpr int kViewAxes = 3;
inline constexpr std::int32_t kSliceCellCount = 512;

constexpr BoardSizes boardSizes(int dimension) {
    BoardSizes sizes;
    sizes.cellCount = std::int32_t{1} << (3 * dimension);
    sizes.stoneCount = std::int32_t{1} << dimension;
    sizes.viewCellCount = dimension <= kViewAxes ? sizes.cellCount : kSliceCellCount;
    for (int axis = kViewAxes; axis < dimension; ++axis) {
        sizes.viewOffset += 3 * (std::int32_t{1} << (3 * axis));
    }
    return sizes;
}

}  // namespace kalvenor
