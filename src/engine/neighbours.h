#pragma once

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
// until visit returns false. Reads no memory beyond the two lists.
template <typename Visit>
void forEachNeighbourInList(std::span<const std::int32_t> cells, std::span<const std::int32_t> holders,
                            Visit&& visit) {
    std::vector<PackedPosition> holderPositions;
    holderPositions.reserve(holders.size());
    for (const std::int32_t holder : holders) {
        holderPositions.push_back(packPosition(holder));
    }
    for (const std::int32_t from : cells) {
        const PackedPosition fromPosition = packPosition(from);
        for (std::size_t h = 0; h < holders.size(); ++h) {
            const PackedPosition toPosition = holderPositions[h];
            if (isWithinOneStep(fromPosition, toPosition) && toPosition != fromPosition &&
                !visit(NeighbourPair{from, fromPosition, holders[h], toPosition, toPosition - fromPosition,
                                     holders[h] - from})) {
                return;
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
                !visit(NeighbourPair{from, fromPosition, to, toPosition, table.packedDelta(k), table.indexStep(k)})) {
                return;
            }
        }
    }
}

}  // namespace kalvenor::detail
