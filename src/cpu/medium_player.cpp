#include "cpu/medium_player.h"

#include <algorithm>
#include <cassert>
#include <vector>

#include "cpu/move_choice.h"
#include "cpu/strong_player.h"
#include "cpu/threat_cells.h"
#include "engine/enclosure_counts.h"
#include "engine/move_undo.h"

namespace kalvenor {

namespace {

// The legal cells of `side` in the order tried: the `first` cells (sorted) ahead, then the rest
// by the most stones enclosed, the greedy tie-breaks after.
std::vector<std::int32_t> triedOrder(const Board& board, CellState side,
                                     const std::vector<std::int32_t>& first) {
    std::vector<EnclosureCount> counts;
    collectEnclosureCounts(board, side, counts);
    const auto isFirst = [&](std::int32_t cell) {
        return std::binary_search(first.begin(), first.end(), cell);
    };
    std::stable_sort(counts.begin(), counts.end(), [&](const EnclosureCount& a, const EnclosureCount& b) {
        if (isFirst(a.cell) != isFirst(b.cell)) {
            return isFirst(a.cell);
        }
        if (a.enclosed != b.enclosed) {
            return a.enclosed > b.enclosed;
        }
        return placementScore(a.cell) > placementScore(b.cell);
    });
    std::vector<std::int32_t> order;
    order.reserve(counts.size());
    for (const EnclosureCount& entry : counts) {
        order.push_back(entry.cell);
    }
    return order;
}

// Whether the opponent has no five in one after `side` plays `cell`.
bool leavesNoFive(Board& board, std::int32_t cell, CellState side, std::vector<std::int32_t>& changed) {
    changed.clear();
    playEnclosingMove(board, cell, side, changed);
    const bool holds = findFiveInOne(board, otherSide(side)) < 0;
    undoMove(board, changed, side);
    return holds;
}

// The first of the first `maxTries` cells of `order` that leaves the opponent no five in
// one; -1 when none of them does.
std::int32_t firstMoveLeavingNoFive(Board& board, CellState side, const std::vector<std::int32_t>& order,
                                    int maxTries) {
    std::vector<std::int32_t> changed;
    const std::size_t tries = std::min(order.size(), static_cast<std::size_t>(maxTries));
    for (std::size_t i = 0; i < tries; ++i) {
        if (leavesNoFive(board, order[i], side, changed)) {
            return order[i];
        }
    }
    return -1;
}

}  // namespace

std::int32_t chooseMediumMove(Board& board, CellState side) {
    assert(side == CellState::First || side == CellState::Second);
    if (const std::int32_t five = findFiveInOne(board, side); five >= 0) {
        return five;
    }
    const std::int32_t greedy = chooseMostEnclosing(board, side);
    const std::vector<std::int32_t> threats =
        fiveCompletingCells(board, otherSide(side), PlacementRule::Enclosure);
    if (!threats.empty()) {
        const std::int32_t block =
            firstMoveLeavingNoFive(board, side, triedOrder(board, side, threats), kMaxBlockTries);
        return block >= 0 ? block : greedy;
    }
    // The greedy move, unless it opens a five for the opponent and one of the next most enclosing
    // moves does not.
    std::vector<std::int32_t> changed;
    if (greedy < 0 || leavesNoFive(board, greedy, side, changed)) {
        return greedy;
    }
    const std::int32_t safe =
        firstMoveLeavingNoFive(board, side, triedOrder(board, side, {}), kMaxCarefulTries);
    return safe >= 0 ? safe : greedy;
}

}  // namespace kalvenor
