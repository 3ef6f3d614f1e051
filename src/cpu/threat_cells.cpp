#include "cpu/threat_cells.h"

#include <algorithm>
#include <cassert>

#include "cpu/candidate_moves.h"
#include "cpu/line_evaluation.h"
#include "cpu/threat_planes.h"
#include "cpu/threat_update.h"
#include "engine/line_runs.h"
#include "engine/neighbours.h"

namespace kalvenor {

namespace {

constexpr int kFive = 5;

// The Empty cells where a stone of `side` makes five, found from the side's runs: four stones and
// the Empty cell in five cells of a line hold two neighbouring stones, so every such cell lies
// just beyond an end of a run of two or more. Each run is taken once, from its first stone, and
// the cell beyond each end counts when the stones on its far side lengthen the run to five.
std::vector<std::int32_t> fivesOnEmptyCells(const Board& board, CellState side) {
    std::vector<std::int32_t> fives;
    const auto beyondEnd = [&](std::int32_t cell, PackedPosition position, std::uint64_t delta,
                               std::int32_t step, int run) {
        if (isOnBoard(position) && board[cell] == CellState::Empty &&
            run + 1 + detail::runLengthAlong(board, delta, step, cell, position, side, kFive) >= kFive) {
            fives.push_back(cell);
        }
    };
    detail::forEachRunOfTwoOrMore(board, side, [&](const detail::NeighbourPair& pair) {
        const int run = 1 + detail::runLengthAlong(board, pair.delta, pair.step, pair.from, pair.fromPosition,
                                                   side, kAxisLength);
        const std::uint64_t backwards = std::uint64_t{0} - pair.delta;
        beyondEnd(pair.from - pair.step, pair.fromPosition + backwards, backwards, -pair.step, run);
        beyondEnd(pair.from + run * pair.step,
                  pair.fromPosition + static_cast<std::uint64_t>(run) * pair.delta, pair.delta, pair.step,
                  run);
        return true;
    });
    std::sort(fives.begin(), fives.end());
    fives.erase(std::unique(fives.begin(), fives.end()), fives.end());
    if (fives.size() > kMostThreatCells) {
        fives.resize(kMostThreatCells);
    }
    return fives;
}

}  // namespace

std::vector<std::int32_t> fiveCompletingCells(const Board& board, CellState side, PlacementRule rule) {
    assert(side == CellState::First || side == CellState::Second);
    std::vector<std::int32_t> fives;
    if (board.count(side) == 0) {
        return fives;
    }
    if (rule == PlacementRule::AnyEmptyCell) {
        // Few stones: from their runs; many: every window of the board, 64 at a time.
        return detail::neighboursFromList(static_cast<std::size_t>(board.count(side)), board.dimension())
                   ? fivesOnEmptyCells(board, side)
                   : detail::fivesOnEmptyCellsInPlanes(board, side, kMostThreatCells);
    }
    detail::MoveProbe probe(board, side);
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

ThreatCells ThreatCache::threats(const Board& board, CellState sideToMove, PlacementRule rule) {
    if (revision_ != board.revision() || rule_ != rule) {
        // Between two people a few changed cells are followed along their lines; a new board, a
        // change of rule or of many cells, and the enclosure rule, are searched again.
        const std::optional<std::span<const std::int32_t>> changed =
            revision_ && rule_ == rule && rule == PlacementRule::AnyEmptyCell ? board.changedSince(*revision_)
                                                                              : std::nullopt;
        for (const CellState side : {CellState::First, CellState::Second}) {
            std::vector<std::int32_t>& cells = cells_[sideIndex(side)];
            std::optional<std::vector<std::int32_t>> updated;
            if (changed) {
                updated = detail::updatedFiveCells(board, side, *changed, cells);
            }
            cells = updated ? std::move(*updated) : fiveCompletingCells(board, side, rule);
        }
        revision_ = board.revision();
        rule_ = rule;
    }
    return {cells_[sideIndex(sideToMove)], cells_[sideIndex(otherSide(sideToMove))]};
}

}  // namespace kalvenor
