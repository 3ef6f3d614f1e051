#include "game/board_display.h"

#include "engine/enclosure.h"
#include "game/threat_marks.h"
#include "platform/window_system.h"
#include "view/board_view.h"

namespace kalvenor {

void showBoardFor(Session& session, CellState side) {
    if (session.board) {
        updateThreatMarks(session, side);
        showBoardWithoutNewThreats(session, side);
    }
}

void showBoardWithoutNewThreats(Session& session, CellState side) {
    if (session.board) {
        refreshBoardView(session.view, *session.board, session.state.viewOffset, session.state.guideLevel,
                         side);
    }
}

void showTurnOver(Session& session, CellState side) {
    if (!session.state.inProgress) {
        return;
    }
    const CellHighlights& highlights = session.view.highlights;
    updateThreatMarks(session, side);
    // The track bars lead to the marks while there are any: drawn again only then.
    if (session.board && (!highlights.threatWin.empty() || !highlights.threatBlock.empty())) {
        refreshMarks(session.view, *session.board, session.state.viewOffset, session.state.guideLevel, side);
    }
}

void showStonesOnly(const Session& session) {
    if (session.board) {
        refreshStonesOnly(session.view, *session.board, session.state.viewOffset);
    }
}

void highlightMove(Session& session, std::int32_t cell, std::span<const std::int32_t> turned) {
    session.view.highlights = {cell, {turned.begin(), turned.end()}, {}, {}, {}};
}

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
