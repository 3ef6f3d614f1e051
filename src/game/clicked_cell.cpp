#include "engine/enclosure.h"
#include "game/flow_support.h"
#include "platform/window_system.h"

namespace kalvenor {

std::optional<std::int32_t> clickedEmptyCell(const Session& session, CellState legalFor) {
    if (!session.board) {
        return std::nullopt;
    }
    const Board& board = *session.board;
    const auto& buttons = session.view.cellButtons;
    const std::int32_t viewOffset = session.state.viewOffset;
    const std::int32_t slots = session.state.viewCellCount;
    for (std::int32_t slot = 0; slot < slots && static_cast<std::size_t>(slot) < buttons.size(); ++slot) {
        const std::int32_t cell = viewOffset + slot;
        if (cell < 0 || cell >= board.cellCount()) {
            break;
        }
        if (board[cell] != CellState::Empty || buttons[slot] == nullptr) {
            continue;
        }
        if (platform::buttonState(buttons[slot]) == 0) {
            continue;
        }
        if (legalFor == CellState::Empty || isLegalMove(board, cell, legalFor)) {
            return cell;
        }
    }
    return std::nullopt;
}

}  // namespace kalvenor
