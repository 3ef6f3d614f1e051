#pragma once

#include <cstdint>

namespace kalvenor::detail {

// A run of opposing stones met walking out from a stone of the mover: `run` >= 1 stones, the first
// one step (`delta`, `step`) from that stone, then the Empty cell `cell`. Seen from `cell`, this
// is one of its enclosing rays, pointing back along -delta.
struct RunToEmptyCell {
    std::int32_t cell;
    std::int32_t run;
    std::uint64_t delta;
    std::int32_t step;
};

}  // namespace kalvenor::detail
