#include "cpu/candidate_moves.h"

#include <algorithm>
#include <cassert>

#include "engine/runs_from_own_stones.h"

namespace kalvenor::detail {

namespace {

// A ray as it is found, walking from the closing stone: the Empty cell it reaches and the way back.
struct FoundRay {
    std::int32_t cell;
    EnclosingRay ray;
};

}  // namespace

bool collectCandidateMoves(const Board& board, CellState side, CandidateList& list, std::size_t mostRays) {
    assert(side == CellState::First || side == CellState::Second);
    list.moves.clear();
    list.rays.clear();
    if (board.count(side) == 0 || board.count(otherSide(side)) == 0) {
        return true;
    }
    std::vector<FoundRay> found;
    bool complete = true;
    forEachRunFromOwnStones(board, side, [&](const RunToEmptyCell& run) {
        found.push_back({run.cell, {std::uint64_t{0} - run.delta, -run.step, run.run}});
        complete = found.size() <= mostRays;
        return complete;
    });
    if (!complete) {
        return false;
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
    return true;
}

}  // namespace kalvenor::detail
