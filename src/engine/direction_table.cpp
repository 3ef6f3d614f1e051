#include "engine/direction_table.h"

#include <array>
#include <cassert>
#include <stdexcept>

#include "engine/coordinates.h"

namespace kalvenor {

const DirectionTable& DirectionTable::forDimension(int dimension) {
    if (dimension < kMinDimension || dimension > kMaxDimension) {
        throw std::invalid_argument("direction table dimension must be 2..8");
    }
    // Built once, on first use, for every dimension together (about 300 KiB in all); immutable after.
    static const auto tables = [] {
        return std::array{DirectionTable(2), DirectionTable(3), DirectionTable(4), DirectionTable(5),
                          DirectionTable(6), DirectionTable(7), DirectionTable(8)};
    }();
    return tables[dimension - kMinDimension];
}

DirectionTable::DirectionTable(int dimension) : dimension_(dimension), count_(integerPower(3, dimension)) {
    assert(dimension >= kMinDimension && dimension <= kMaxDimension);
    components_.resize(static_cast<std::size_t>(count_) * dimension);
    indexSteps_.resize(count_);
    packedDeltas_.resize(count_);
    for (int k = 0; k < count_; ++k) {
        std::int32_t step = 0;
        std::uint64_t delta = 0;
        for (int axis = 0; axis < dimension; ++axis) {
            const int component = (k / integerPower(3, axis)) % 3 - 1;
            components_[static_cast<std::size_t>(k) * dimension + axis] = static_cast<std::int8_t>(component);
            step += component * integerPower(kAxisLength, axis);
            delta += static_cast<std::uint64_t>(static_cast<std::int64_t>(component)) << (8 * axis);
        }
        indexSteps_[k] = step;
        packedDeltas_[k] = delta;
    }
}

}  // namespace kalvenor
