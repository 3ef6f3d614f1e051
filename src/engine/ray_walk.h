#pragma once

#include <cstdint>

#include "engine/board.h"
#include "engine/cell_state.h"
#include "engine/direction_table.h"
#include "engine/packed_position.h"

namespace kalvenor::detail {

// The enclosing ray of `cell` for `side` along direction k: the number of opposing stones that
// c+v, c+2v, ... hold before a stone of `side` closes them, or 0 when the run is empty, leaves the
// board or ends on an Empty cell. The cell itself is not read.
inline std::int32_t enclosedAlong(const Board& board, const DirectionTable& table, std::int32_t cell,
                                  PackedPosition from, int k, CellState side) {
    const std::uint64_t delta = table.packedDelta(k);
    const std::int32_t step = table.indexStep(k);
    PackedPosition position = from + delta;
    std::int32_t current = cell + step;
    std::int32_t run = 0;
    while (isOnBoard(position)) {
        const CellState state = board[current];
        if (state == CellState::Empty) {
            return 0;
        }
        if (state == side) {
            return run;
        }
        ++run;
        position += delta;
        current += step;
    }
    return 0;
}

// Number of stones of `side` in an unbroken run from cell+v onward along direction k (at most
// `limit`). The cell itself is not read.
inline int runLengthAlong(const Board& board, std::uint64_t delta, std::int32_t step, std::int32_t cell,
                          PackedPosition from, CellState side, int limit) {
    PackedPosition position = from + delta;
    std::int32_t current = cell + step;
    int length = 0;
    while (length < limit && isOnBoard(position) && board[current] == side) {
        ++length;
        position += delta;
        current += step;
    }
    return length;
}

}  // namespace kalvenor::detail
