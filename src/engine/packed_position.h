#pragma once

#include <cstdint>

#include "engine/coordinates.h"

namespace kalvenor {

// A cell's coordinates held one per byte, axis j in byte j, each biased by 8 (so 8..15 on the
// board). A step along a direction is then one 64-bit addition of the direction's packed delta,
// and the edge check for every axis at once is one mask and compare: no lane can carry into its
// neighbour, because a biased coordinate after one step stays within 7..16.
using PackedPosition = std::uint64_t;

inline constexpr std::uint64_t kLaneOnes = 0x0101010101010101ULL;
inline constexpr std::uint64_t kLaneBias = 8 * kLaneOnes;
inline constexpr std::uint64_t kLaneHighBits = 0xF8F8F8F8F8F8F8F8ULL;

// Every lane, also those of axes beyond the board's dimension, holds a biased coordinate.
constexpr PackedPosition packPosition(std::int32_t cell) {
    PackedPosition packed = kLaneBias;
    for (int axis = 0; axis < kMaxDimension; ++axis) {
        packed += static_cast<std::uint64_t>(coordinateOf(cell, axis)) << (8 * axis);
    }
    return packed;
}

// True while every coordinate is within 0..7.
constexpr bool isOnBoard(PackedPosition position) {
    return (position & kLaneHighBits) == kLaneBias;
}

// True when `to` differs from `from` by at most one on every axis (and so is `from` itself or
// one of its neighbours along some direction). Then `to - from` is the packed delta of that
// direction and the index difference is its index step.
constexpr bool isWithinOneStep(PackedPosition from, PackedPosition to) {
    // Lanes of 0x11 + to - from lie in 0x0A..0x18 and are 0x10..0x12 exactly for a difference
    // of -1, 0 or +1; adding 0x0D keeps just those below 0x20.
    constexpr std::uint64_t kNibbleMask = 0xF0F0F0F0F0F0F0F0ULL;
    constexpr std::uint64_t kSixteens = 0x10 * kLaneOnes;
    const std::uint64_t lanes = to + 0x11 * kLaneOnes - from;
    return (lanes & kNibbleMask) == kSixteens && ((lanes + 0x0D * kLaneOnes) & kNibbleMask) == kSixteens;
}

}  // namespace kalvenor
