#include "game/flow_support.h"
#include "view/board_view.h"

namespace kalvenor {

void showBoardFor(Session& session, CellState side) {
    if (session.board) {
        refreshBoardView(session.view, *session.board, session.state.viewOffset, session.state.guideLevel,
                         side);
    }
}

void showStonesOnly(const Session& session) {
    if (session.board) {
        refreshStonesOnly(session.view, *session.board, session.state.viewOffset);
    }
}

void highlightMove(Session& session, std::int32_t cell, std::span<const std::int32_t> turned) {
    session.view.highlights = {cell, {turned.begin(), turned.end()}, {}};
}

}  // namespace kalvenor
