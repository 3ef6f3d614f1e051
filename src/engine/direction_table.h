#pragma once

#include <cstdint>
#include <vector>

#include "engine/packed_position.h"

namespace kalvenor {

// The K = 3^D directions of a D-dimensional board. Direction k has on axis j the component
// ((k div 3^j) mod 3) - 1; direction (K-1)/2 is the zero direction that every scan skips;
// directions k and K-1-k are opposite. Built once per dimension and shared, immutable.
class DirectionTable {
  public:
    // The table of `dimension`, built on first use. Throws std::invalid_argument unless 2..8.
    static const DirectionTable& forDimension(int dimension);

    int dimension() const { return dimension_; }
    int count() const { return count_; }
    int zeroDirection() const { return (count_ - 1) / 2; }
    // Component of direction k on `axis`: -1, 0 or +1. Stored row after row (k*D + axis).
    int component(int k, int axis) const { return components_[k * dimension_ + axis]; }
    // The index difference of one step along direction k: sum of component * 8^axis.
    std::int32_t indexStep(int k) const { return indexSteps_[k]; }
    // What one step along direction k adds to a PackedPosition (wrapping arithmetic).
    std::uint64_t packedDelta(int k) const { return packedDeltas_[k]; }

    explicit DirectionTable(int dimension);

  private:
    int dimension_;
    int count_;
    std::vector<std::int8_t> components_;
    std::vector<std::int32_t> indexSteps_;
    std::vector<std::uint64_t> packedDeltas_;
};

}  // namespace kalvenor
