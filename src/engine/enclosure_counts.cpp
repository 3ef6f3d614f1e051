#include "engine/enclosure_counts.h"

#include <algorithm>
#include <cassert>

#include "engine/neighbours.h"

namespace kalvenor {

void collectEnclosureCounts(const Board& board, CellState side, std::vector<EnclosureCount>& counts) {
    assert(side == CellState::First || side == CellState::Second);
    counts.clear();
    const CellState opponent = otherSide(side);
    if (board.count(side) == 0 || board.count(opponent) == 0) {
        return;
    }
    std::vector<std::int32_t> own;
    std::vector<std::int32_t> opposing;
    own.reserve(static_cast<std::size_t>(board.count(side)));
    opposing.reserve(static_cast<std::size_t>(board.count(opponent)));
    board.forEachStone([&](std::int32_t cell, CellState state) {
        (state == side ? own : opposing).push_back(cell);
    });

    // From an own stone s through t >= 1 opposing stones along v to an Empty cell e: then e has an
    // enclosing ray (along -v) with t stones. Every enclosing ray of every Empty cell is met once.
    detail::forEachNeighbourHolding(board, own, opponent, opposing, [&](const detail::NeighbourPair& pair) {
        PackedPosition position = pair.toPosition;
        std::int32_t cell = pair.to;
        std::int32_t run = 0;
        while (isOnBoard(position)) {
            const CellState state = board[cell];
            if (state == CellState::Empty) {
                counts.push_back({cell, run});
                return true;
            }
            if (state == side) {
                return true;
            }
            ++run;
            position += pair.delta;
            cell += pair.step;
        }
        return true;
    });

    std::sort(counts.begin(), counts.end(),
              [](const EnclosureCount& a, const EnclosureCount& b) { return a.cell < b.cell; });
    // Sum the rays of each cell in place.
    std::size_t merged = 0;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        if (merged > 0 && counts[merged - 1].cell == counts[i].cell) {
            counts[merged - 1].enclosed += counts[i].enclosed;
        } else {
            counts[merged++] = counts[i];
        }
    }
    counts.resize(merged);
}

}  // namespace kalvenor
