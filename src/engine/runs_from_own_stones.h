#pragma once

#include <cstdint>
#include <vector>

#include "engine/board.h"
#include "engine/cell_state.h"
#include "engine/neighbours.h"
#include "engine/packed_position.h"
#include "engine/row_lanes.h"

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

// forEachRunFromOwnStones on a board with many opposing stones: the own stones of a row of eight
// cells are walked out together, as lane masks, along each direction that leaves the row for a
// neighbouring one (or stays in it): a load and a few bit operations a row and a direction,
// and the runs followed only while some of them go on.
template <typename Visit>
void forEachRunFromOwnRows(const Board& board, CellState side, Visit&& visit) {
    const CellState opponent = otherSide(side);
    const std::uint8_t* cells = board.bytes().data();
    for (std::int32_t rowStart = 0; rowStart < board.cellCount(); rowStart += 8) {
        const std::uint64_t own = lanesHolding(rowWord(cells, rowStart), side);
        if (own == 0) {
            continue;
        }
        const PackedPosition rowPosition = packPosition(rowStart);
        const bool goOn = forEachNeighbourRow(
            board.dimension(), rowStart, [&](std::int32_t rowStep, std::uint64_t rowDelta) {
                const std::uint64_t nextOpposing = lanesHolding(rowWord(cells, rowStart + rowStep), opponent);
                for (int dx = -1; dx <= 1; ++dx) {
                    std::uint64_t running = shiftLanes(own, dx) & nextOpposing;
                    if (running == 0 || (rowStep == 0 && dx == 0)) {
                        continue;
                    }
                    const std::uint64_t delta =
                        rowDelta + static_cast<std::uint64_t>(static_cast<std::int64_t>(dx));
                    const std::int32_t step = rowStep + dx;
                    std::int32_t reached = rowStart + rowStep;
                    PackedPosition reachedPosition = rowPosition + rowDelta;
                    for (std::int32_t run = 1; running != 0; ++run) {
                        reached += rowStep;
                        reachedPosition += rowDelta;
                        running = shiftLanes(running, dx);
                        if (!isOnBoard(reachedPosition)) {
                            break;
                        }
                        const std::uint64_t word = rowWord(cells, reached);
                        const bool stopped =
                            !forEachLane(running & lanesHolding(word, CellState::Empty), [&](int x) {
                                return visit(RunToEmptyCell{reached + x, run, delta, step});
                            });
                        if (stopped) {
                            return false;
                        }
                        running &= lanesHolding(word, opponent);
                    }
                }
                return true;
            });
        if (!goOn) {
            return;
        }
    }
}

// Calls visit(RunToEmptyCell) for every enclosing ray of every Empty cell for `side` (First or
// Second), each once and in no particular order, until visit returns false. The cost follows the
// stones on the board, not its N cells: the pairs of neighbouring own and opposing stones come
// from the stone lists while the opposing stones are few, from the rows of the board otherwise.
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
    forEachRunFromOwnRows(board, side, visit);
}

}  // namespace kalvenor::detail
