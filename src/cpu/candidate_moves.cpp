#include "cpu/candidate_moves.h"

#include <algorithm>
#include <cassert>

#include "engine/neighbours.h"

namespace kalvenor::detail {

namespace {

// A ray as it is found, walking from the closing stone: the Empty cell it reaches and the way back.
struct FoundRay {
    std::int32_t cell;
    EnclosingRay ray;
};

}  // namespace

void collectCandidateMoves(const Board& board, CellState side, CandidateList& list) {
    assert(side == CellState::First || side == CellState::Second);
    list.moves.clear();
    list.rays.clear();
    const CellState opponent = otherSide(side);
    if (board.count(side) == 0 || board.count(opponent) == 0) {
        return;
    }
    std::vector<FoundRay> found;
    // From an own stone through run >= 1 opposing stones to an Empty cell: that cell has an
    // enclosing ray pointing back at the stone.
    const auto walkRun = [&](const NeighbourPair& pair) {
        PackedPosition position = pair.toPosition;
        std::int32_t cell = pair.to;
        std::int32_t run = 0;
        while (isOnBoard(position)) {
            const CellState state = board[cell];
            if (state == CellState::Empty) {
                found.push_back({cell, {std::uint64_t{0} - pair.delta, -pair.step, run}});
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
    };
    if (neighboursFromList(static_cast<std::size_t>(board.count(opponent)), board.dimension())) {
        std::vector<std::int32_t> own;
        std::vector<std::int32_t> opposing;
        board.forEachStone(
            [&](std::int32_t cell, CellState state) { (state == side ? own : opposing).push_back(cell); });
        forEachNeighbourInList(board.dimension(), own, opposing, walkRun);
    } else {
        board.forEachStone([&](std::int32_t cell, CellState state) {
            if (state == side) {
                const std::int32_t one[] = {cell};
                forEachNeighbourOnBoard(board, one, opponent, walkRun);
            }
        });
    }
    std::sort(found.begin(), found.end(), [](const FoundRay& a, const FoundRay& b) {
        return a.cell != b.cell ? a.cell < b.cell : a.ray.step < b.ray.step;
    });
    list.rays.reserve(found.size());
    for (const FoundRay& entry : found) {
        if (list.moves.empty() || list.moves.back().cell != entry.cell) {
            list.moves.push_back({entry.cell, 0, static_cast<std::uint32_t>(list.rays.size()), 0});
        }
        CandidateMove& move = list.moves.back();
        move.enclosed += entry.ray.run;
        ++move.rayCount;
        list.rays.push_back(entry.ray);
    }
}

}  // namespace kalvenor::detail
