#include "engine/move_undo.h"

#include <cassert>

#include "engine/enclosure.h"

namespace kalvenor {

std::int32_t playEnclosingMove(Board& board, std::int32_t cell, CellState side,
                               std::vector<std::int32_t>& changed) {
    assert(board[cell] == CellState::Empty);
    board.set(cell, side);
    changed.push_back(cell);
    return turnEnclosed(board, cell, side, &changed);
}

void undoMove(Board& board, std::span<const std::int32_t> changed, CellState side) {
    if (changed.empty()) {
        return;
    }
    assert(board[changed.front()] == side);
    board.set(changed.front(), CellState::Empty);
    for (const std::int32_t turned : changed.subspan(1)) {
        board.set(turned, otherSide(side));
    }
}

void replayMove(Board& board, std::span<const std::int32_t> changed, CellState side) {
    if (changed.empty()) {
        return;
    }
    assert(board[changed.front()] == CellState::Empty);
    for (const std::int32_t cell : changed) {
        board.set(cell, side);
    }
}

}  // namespace kalvenor
