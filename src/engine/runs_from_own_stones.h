#pragma once

#include <cstdint>
#include <vector>

#include "engine/board.h"
#include "engine/cell_state.h"
#include "engine/enclosure_planes.h"
#include "engine/neighbours.h"
#include "engine/packed_position.h"
#include "engine/run_to_empty_cell.h"

namespace kalvenor::detail {

// Calls visit(RunToEmptyCell) for every enclosing ray of every Empty cell for `side` (First or
// Second), each once and in no particular order, until visit returns false. While the opposing
// stones are few, the cost follows the stones on the board, not its N cells: the pairs of
// neighbouring own and opposing stones come from the stone lists; otherwise the rays are walked
// out over planes of 64 cells (enclosure_planes.h).
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
    detail::forEachEnclosingRayInPlanes(board, side, visit);
}

}  // namespace kalvenor::detail
