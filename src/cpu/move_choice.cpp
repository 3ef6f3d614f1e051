#include "cpu/move_choice.h"

#include <array>
#include <cassert>
#include <cstdlib>

#include "engine/enclosure.h"
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
    // A legal corner is played whatever the counts: asked first, it spares the count of a
    // board that may hold millions of legal cells.
    for (const std::int32_t corner : kPreferredCorners) {
        if (board[corner] == CellState::Empty && isLegalMove(board, corner, side)) {
            return corner;
        }
    }
    std::int32_t best = -1;
    std::int32_t bestCount = 0;
    std::int32_t bestScore = 0;
    // Only the cells that may hold the most come.
    forEachEnclosureCount(
        board, side,
        [&](const EnclosureCount& entry) {
            const std::int32_t score = placementScore(entry.cell);
            // Index order: a later cell wins only with a larger count, or the same count and a
            // strictly higher score.
            if (entry.enclosed > bestCount || (entry.enclosed == bestCount && score > bestScore)) {
                best = entry.cell;
                bestCount = entry.enclosed;
                bestScore = score;
            }
        },
        CountsWanted::Most);
    return best;
}

std::int32_t chooseFewestEnclosing(const Board& board, CellState side) {
    std::int32_t best = -1;
    std::int32_t bestCount = 0;
    forEachEnclosureCount(
        board, side,
        [&](const EnclosureCount& entry) {
            if (bestCount == 0 || entry.enclosed < bestCount) {
                best = entry.cell;
                bestCount = entry.enclosed;
            }
        },
        CountsWanted::Fewest);
    return best;
}

}  // namespace kalvenor
