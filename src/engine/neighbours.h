#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "engine/board.h"
#include "engine/cell_state.h"
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

// Calls visit(pair) for every cell of `cells` and every neighbour of it on the board that holds
// `state`, until visit returns false.
template <typename Visit>
void forEachNeighbourOnBoard(const Board& board, std::span<const std::int32_t> cells, CellState state,
                             Visit&& visit) {
    const DirectionTable& table = DirectionTable::forDimension(board.dimension());
    const int zero = table.zeroDirection();
    for (const std::int32_t from : cells) {
        const PackedPosition fromPosition = packPosition(from);
        for (int k = 0; k < table.count(); ++k) {
            const PackedPosition toPosition = fromPosition + table.packedDelta(k);
            const std::int32_t to = from + table.indexStep(k);
            if (k != zero && isOnBoard(toPosition) && board[to] == state &&
                !visit(NeighbourPair{from, fromPosition, to, toPosition, table.packedDelta(k),
                                     table.indexStep(k)})) {
                return;
            }
        }
    }
}

}  // namespace kalvenor::detail
