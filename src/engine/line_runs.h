#pragma once

#include <cstdint>
#include <vector>

#include "engine/board.h"
#include "engine/cell_state.h"
#include "engine/neighbours.h"
#include "engine/ray_walk.h"

namespace kalvenor::detail {

// Calls visit(pair) once for every run of two or more stones of `side` along a line, with the
// run's first stone as pair.from and its second as pair.to (the run goes on along pair.delta,
// towards higher indices), until visit returns false. Every such run starts with a pair of
// neighbouring stones: they are paired from the side's list while it is short, from each stone's
// neighbours on the board otherwise, so that no list of many stones is ever held.
template <typename Visit>
void forEachRunOfTwoOrMore(const Board& board, CellState side, Visit&& visit) {
    bool goOn = true;
    const auto fromRunStart = [&](const NeighbourPair& pair) {
        if (pair.step < 0 || runLengthAlong(board, std::uint64_t{0} - pair.delta, -pair.step, pair.from,
                                            pair.fromPosition, side, 1) != 0) {
            return true;  // the other way along the line, or not the first stone of its run
        }
        goOn = visit(pair);
        return goOn;
    };
    if (neighboursFromList(static_cast<std::size_t>(board.count(side)), board.dimension())) {
        std::vector<std::int32_t> stones;
        stones.reserve(static_cast<std::size_t>(board.count(side)));
        board.collectStones(side, stones);
        forEachNeighbourInList(board.dimension(), stones, stones, fromRunStart);
    } else {
        board.forEachStone([&](std::int32_t cell, CellState state) {
            if (state == side) {
                forEachNeighbourHolding(board, cell, side, fromRunStart);
            }
            return goOn;
        });
    }
}

}  // namespace kalvenor::detail
