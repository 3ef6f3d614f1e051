#include "cpu/threat_cells.h"

#include <algorithm>
#include <cassert>

#include "cpu/candidate_moves.h"
#include "cpu/line_evaluation.h"
#include "engine/neighbours.h"

namespace kalvenor {

namespace {

// The Empty cells beside a stone of `side`: a five through a cell needs such a neighbour.
std::vector<std::int32_t> emptyCellsBesideStones(const Board& board, CellState side) {
    std::vector<std::int32_t> stones;
    board.collectStones(side, stones);
    std::vector<std::int32_t> cells;
    for (const std::int32_t stone : stones) {
        detail::forEachNeighbourHolding(board, stone, CellState::Empty,
                                        [&](const detail::NeighbourPair& pair) {
                                            cells.push_back(pair.to);
                                            return true;
                                        });
    }
    std::sort(cells.begin(), cells.end());
    cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
    return cells;
}

}  // namespace

std::vector<std::int32_t> fiveCompletingCells(const Board& board, CellState side, PlacementRule rule) {
    assert(side == CellState::First || side == CellState::Second);
    std::vector<std::int32_t> fives;
    if (board.count(side) == 0) {
        return fives;
    }
    detail::MoveProbe probe(board, side);
    if (rule == PlacementRule::AnyEmptyCell) {
        for (const std::int32_t cell : emptyCellsBesideStones(board, side)) {
            if (probe.makesFive({cell, 0, 0, 0}, {})) {
                fives.push_back(cell);
            }
        }
        return fives;
    }
    detail::CandidateList list;
    detail::collectCandidateMoves(board, side, list);
    for (const detail::CandidateMove& move : list.moves) {
        if (probe.makesFive(move, list.raysOf(move))) {
            fives.push_back(move.cell);
        }
    }
    return fives;
}

ThreatCells findThreats(const Board& board, CellState sideToMove, PlacementRule rule) {
    return {fiveCompletingCells(board, sideToMove, rule),
            fiveCompletingCells(board, otherSide(sideToMove), rule)};
}

}  // namespace kalvenor
