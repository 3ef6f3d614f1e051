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

// The cells to try for a block, in the order tried: the threatened cells first (taking one is
// the plainest block), then the rest by the most stones enclosed, the greedy tie-breaks after.
std::vector<std::int32_t> blockOrder(const Board& board, CellState side,
                                     const std::vector<std::int32_t>& threats) {
    std::vector<EnclosureCount> counts;
    collectEnclosureCounts(board, side, counts);
    const auto threatened = [&](std::int32_t cell) {
        return std::binary_search(threats.begin(), threats.end(), cell);
    };
    std::stable_sort(counts.begin(), counts.end(), [&](const EnclosureCount& a, const EnclosureCount& b) {
        if (threatened(a.cell) != threatened(b.cell)) {
            return threatened(a.cell);
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

}  // namespace

std::int32_t chooseMediumMove(Board& board, CellState side) {
    assert(side == CellState::First || side == CellState::Second);
    if (const std::int32_t five = findFiveInOne(board, side); five >= 0) {
        return five;
    }
    const CellState opponent = otherSide(side);
    const std::vector<std::int32_t> threats = fiveCompletingCells(board, opponent, PlacementRule::Enclosure);
    if (!threats.empty()) {
        std::vector<std::int32_t> changed;
        int tries = 0;
        for (const std::int32_t cell : blockOrder(board, side, threats)) {
            if (++tries > kMaxBlockTries) {
                break;
            }
            changed.clear();
            playEnclosingMove(board, cell, side, changed);
            const bool holds = findFiveInOne(board, opponent) < 0;
            undoMove(board, changed, side);
            if (holds) {
                return cell;
            }
        }
    }
    return chooseMostEnclosing(board, side);
}

}  // namespace kalvenor
