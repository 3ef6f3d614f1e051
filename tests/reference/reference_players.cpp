#include "reference/reference_players.h"

#include <cstdlib>

namespace kalvenor::reference {

std::int32_t placementScore(std::int32_t cell) {
    const std::int32_t q = cell / 8;
    const std::int32_t r = cell % 8;
    if (q >= 3) {
        return q - 3;
    }
    return std::abs(r - 3);
}

std::int32_t chooseMostEnclosing(const Cells& board, std::uint8_t side, int dimension,
                                 std::int32_t cellCount) {
    const std::int32_t corners[] = {0, 7, 56, 63};
    for (const std::int32_t corner : corners) {
        if (board[corner] == 0 && isLegalMove(dimension, cellCount, board, corner, side) == 1) {
            return corner;
        }
    }
    std::int32_t best = -1;
    std::int32_t bestCount = 0;
    for (std::int32_t i = 0; i < cellCount; ++i) {
        if (board[i] == 0) {
            const std::int32_t n = countEnclosed(dimension, cellCount, board, i, side);
            if (n > bestCount) {
                best = i;
                bestCount = n;
            }
        }
    }
    if (best == -1) {
        return -1;
    }
    for (std::int32_t i = 0; i < cellCount; ++i) {
        if (board[i] == 0 && i != best && countEnclosed(dimension, cellCount, board, i, side) == bestCount &&
            placementScore(i) > placementScore(best)) {
            best = i;
        }
    }
    return best;
}

std::int32_t chooseFewestEnclosing(const Cells& board, std::uint8_t side, int dimension,
                                   std::int32_t cellCount) {
    std::int32_t best = -1;
    std::int32_t bestCount = 0;
    for (std::int32_t i = 0; i < cellCount; ++i) {
        if (board[i] == 0) {
            const std::int32_t n = countEnclosed(dimension, cellCount, board, i, side);
            if (n > 0 && (bestCount == 0 || n < bestCount)) {
                best = i;
                bestCount = n;
            }
        }
    }
    return best;
}

int checkAutoPass(int dimension, std::int32_t cellCount, const Cells& board, std::uint8_t side,
                  const ProgressShown& shown) {
    const std::int32_t q = cellCount / 4;
    for (std::int32_t e = 0; e < cellCount; ++e) {
        const std::int32_t i = e < cellCount - q ? q + e : e - (cellCount - q);
        if (shown) {
            shown(e, cellCount);
        }
        if (board[i] == 0 && isLegalMove(dimension, cellCount, board, i, side) == 1) {
            return 0;
        }
    }
    return 1;
}

}  // namespace kalvenor::reference
