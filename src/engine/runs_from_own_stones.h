#pragma once

#include <cstdint>
#include <vector>

#include "engine/board.h"
#include "engine/cell_state.h"
#include "engine/neighbours.h"
#include "engine/packed_position.h"

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

// Calls visit(RunToEmptyCell) for every enclosing ray of every Empty cell for `side` (First or
// Second), each once and in no particular order, until visit returns false. The cost follows the
// stones on the board, not its N cells: the pairs of neighbouring own and opposing stones come
// from the stone lists while the opposing stones are few, from the board's neighbours otherwise.
template <typename Visit>
void forEachRunFromOwnStones(const Board& board, CellState side, Visit&& visit) {
    const CellState opponent = otherSide(side);
    const auto walkRun = [&](const NeighbourPair& pair) {
        PackedPosition position = pair.toPosition;
        std::int32_t cell = pair.to;
        std::int32_t run = 0;
        while (isOnBoard(position)) {
            const CellState state = board[cell];
            if (state == CellState::Empty) {
                return visit(RunToEmptyCell{cell, run, pair.delta, pair.step});
            }
            if (state == side) {
                return true;
            }
            ++run;
            position += pair.delta;
            cell += pair.step;
        }
        return true;
    };
    if (neighboursFromList(static_cast<std::size_t>(board.count(opponent)), board.dimension())) {
        std::vector<std::int32_t> own;
        std::vector<std::int32_t> opposing;
        own.reserve(static_cast<std::size_t>(board.count(side)));
        opposing.reserve(static_cast<std::size_t>(board.count(opponent)));
        board.forEachStone(
            [&](std::int32_t cell, CellState state) { (state == side ? own : opposing).push_back(cell); });
        forEachNeighbourInList(board.dimension(), own, opposing, walkRun);
        return;
    }
    // Many opposing stones: the own stones one at a time, so that no list of them is held.
    board.forEachStone([&](std::int32_t cell, CellState state) {
        if (state != side) {
            return true;
        }
        return forEachNeighbourHolding(board, cell, opponent, walkRun);
    });
}

}  // namespace kalvenor::detail
