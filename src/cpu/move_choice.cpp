#include "cpu/move_choice.h"

#include <array>
#include <cassert>
#include <cstdlib>
#include <vector>

#include "engine/enclosure_counts.h"

namespace kalvenor {

namespace {

// The corners of the plane of axes 0 and 1, in the order they are preferred.
constexpr std::array<std::int32_t, 4> kPreferredCorners = {0, 7, 56, 63};

}  // namespace

std::int32_t placementScore(std::int32_t cell) {
    const std::int32_t q = cell / 8;
    const std::int32_t r = cell % 8;
    return q >= 3 ? q - 3 : std::abs(r - 3);
}

std::int32_t chooseMostEnclosing(const Board& board, CellState side) {
    std::vector<EnclosureCount> counts;
    collectEnclosureCounts(board, side, counts);
    // The list holds exactly the Empty legal cells, in index order.
    for (const std::int32_t corner : kPreferredCorners) {
        for (const EnclosureCount& entry : counts) {
            if (entry.cell == corner) {
                return corner;
            }
            if (entry.cell > corner) {
                break;
            }
        }
    }
    std::int32_t best = -1;
    std::int32_t bestCount = 0;
    std::int32_t bestScore = 0;
    for (const EnclosureCount& entry : counts) {
        const std::int32_t score = placementScore(entry.cell);
        // Index order: a later cell wins only with a larger count, or the same count and a
        // strictly higher score.
        if (entry.enclosed > bestCount || (entry.enclosed == bestCount && score > bestScore)) {
            best = entry.cell;
            bestCount = entry.enclosed;
            bestScore = score;
        }
    }
    return best;
}

std::int32_t chooseFewestEnclosing(const Board& board, CellState side) {
    std::vector<EnclosureCount> counts;
    collectEnclosureCounts(board, side, counts);
    std::int32_t best = -1;
    std::int32_t bestCount = 0;
    for (const EnclosureCount& entry : counts) {
        if (bestCount == 0 || entry.enclosed < bestCount) {
            best = entry.cell;
            bestCount = entry.enclosed;
        }
    }
    return best;
}

}  // namespace kalvenor
