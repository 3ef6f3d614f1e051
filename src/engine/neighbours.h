#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "engine/board.h"
#include "engine/cell_state.h"
#include "engine/coordinates.h"
#include "engine/direction_table.h"
#include "engine/packed_position.h"

namespace kalvenor::detail {

// A cell `from` and a neighbour `to` of it along some direction: `delta` and `step` are that
// direction's packed delta and index step.
struct NeighbourPair {
    std::int32_t from;
    PackedPosition fromPosition;
    std::int32_t to;
    PackedPosition toPosition;
    std::uint64_t delta;
    std::int32_t step;
};

// Whether testing every (cell, holder) pair is cheaper than reading all 3^D - 1 neighbours of
// every cell: so while the holders are fewer than the directions.
inline bool neighboursFromList(std::size_t holders, int dimension) {
    return holders < static_cast<std::size_t>(DirectionTable::forDimension(dimension).count() - 1);
}

// Calls visit(pair) for every cell of `cells` and every cell of `holders` that neighbours it,
// until visit returns false. `holders` must be in ascending order. Reads no memory beyond the
// two lists.
template <typename Visit>
void forEachNeighbourInList(int dimension, std::span<const std::int32_t> cells,
                            std::span<const std::int32_t> holders, Visit&& visit) {
    std::vector<PackedPosition> holderPositions;
    holderPositions.reserve(holders.size());
    for (const std::int32_t holder : holders) {
        holderPositions.push_back(packPosition(holder));
    }
    // Index order sorts by the two highest axes first: the holders whose coordinates on those
    // axes are within one of the cell's lie in three index ranges (one per value of the highest
    // coordinate), so only those ranges are tested.
    const int top = dimension - 1;
    const std::int32_t topWeight = std::int32_t{1} << (3 * top);
    const std::int32_t nextWeight = topWeight >> 3;
    for (const std::int32_t from : cells) {
        const PackedPosition fromPosition = packPosition(from);
        const int x = coordinateOf(from, top);
        const int y = coordinateOf(from, top - 1);
        for (int topValue = std::max(x - 1, 0); topValue <= std::min(x + 1, 7); ++topValue) {
            const std::int32_t first = topValue * topWeight + std::max(y - 1, 0) * nextWeight;
            const std::int32_t last = topValue * topWeight + (std::min(y + 1, 7) + 1) * nextWeight;
            const auto begin = std::lower_bound(holders.begin(), holders.end(), first);
            const auto end = std::lower_bound(begin, holders.end(), last);
            for (auto h = static_cast<std::size_t>(begin - holders.begin());
                 h < static_cast<std::size_t>(end - holders.begin()); ++h) {
                const PackedPosition toPosition = holderPositions[h];
                if (isWithinOneStep(fromPosition, toPosition) && toPosition != fromPosition &&
                    !visit(NeighbourPair{from, fromPosition, holders[h], toPosition,
                                         toPosition - fromPosition, holders[h] - from})) {
                    return;
                }
            }
        }
    }
}

// Calls visit(blockStep, blockDelta) for every block that neighbours the block of `from` on the
// board, the block itself included, until visit returns false; false when it did. A block is the
// cells that share their coordinates on the axes from `firstAxis` on (a row of eight cells along
// axis 0 for 1, a plane of 8 × 8 for 2); its neighbours are the offsets of -1, 0 or +1 on each of
// those axes, given as an index step and a packed delta, that stay on the board for `reach`
// steps. With a reach of 1 about 2.75^(D - firstAxis) blocks, as an odometer between each axis's
// bounds; with a reach of 4, 2^(D - firstAxis).
template <typename Visit>
bool forEachNeighbourBlock(int dimension, int firstAxis, int reach, std::int32_t from, Visit&& visit) {
    std::array<int, kMaxDimension> offset{};
    std::array<int, kMaxDimension> low{};
    std::array<int, kMaxDimension> high{};
    std::int32_t blockStep = 0;
    std::uint64_t blockDelta = 0;
    for (int axis = firstAxis; axis < dimension; ++axis) {
        const int coordinate = coordinateOf(from, axis);
        low[axis] = coordinate >= reach ? -1 : 0;
        high[axis] = coordinate + reach < kAxisLength ? 1 : 0;
        offset[axis] = low[axis];
        blockStep += low[axis] * (std::int32_t{1} << (3 * axis));
        blockDelta += static_cast<std::uint64_t>(static_cast<std::int64_t>(low[axis])) << (8 * axis);
    }
    while (true) {
        if (!visit(blockStep, blockDelta)) {
            return false;
        }
        int axis = firstAxis;
        for (; axis < dimension; ++axis) {
            const std::int32_t weight = std::int32_t{1} << (3 * axis);
            const std::uint64_t lane = std::uint64_t{1} << (8 * axis);
            if (offset[axis] < high[axis]) {
                ++offset[axis];
                blockStep += weight;
                blockDelta += lane;
                break;
            }
            const int span = offset[axis] - low[axis];
            offset[axis] = low[axis];
            blockStep -= span * weight;
            blockDelta -= static_cast<std::uint64_t>(span) * lane;
        }
        if (axis >= dimension) {
            return true;
        }
    }
}

// The rows of eight cells along axis 0 that neighbour the row of `from` (forEachNeighbourBlock).
template <typename Visit>
bool forEachNeighbourRow(int dimension, std::int32_t from, Visit&& visit) {
    return forEachNeighbourBlock(dimension, 1, 1, from, std::forward<Visit>(visit));
}

// Calls visit(pair) for every neighbour of `from` on the board that holds `state`, until visit
// returns false; false when it did. Reads the neighbours a row of three cells along axis 0 at a
// time and only the rows on the board: about 2.75^(D-1) rows instead of 3^D directions, which
// is what keeps a board dense with stones within reach at eight axes.
template <typename Visit>
bool forEachNeighbourHolding(const Board& board, std::int32_t from, CellState state, Visit&& visit) {
    const std::uint8_t* cells = board.bytes().data();
    const auto wanted = static_cast<std::uint8_t>(state);
    const PackedPosition fromPosition = packPosition(from);
    const int x = coordinateOf(from, 0);
    const int firstDx = x == 0 ? 0 : -1;
    const int lastDx = x == 7 ? 0 : 1;
    return forEachNeighbourRow(board.dimension(), from, [&](std::int32_t rowStep, std::uint64_t rowDelta) {
        for (int dx = firstDx; dx <= lastDx; ++dx) {
            const std::int32_t step = rowStep + dx;
            if (step != 0 && cells[from + step] == wanted) {
                const std::uint64_t delta =
                    rowDelta + static_cast<std::uint64_t>(static_cast<std::int64_t>(dx));
                if (!visit(
                        NeighbourPair{from, fromPosition, from + step, fromPosition + delta, delta, step})) {
                    return false;
                }
            }
        }
        return true;
    });
}

}  // namespace kalvenor::detail
