#include "game/flow_support.h"
#include "view/board_view.h"

namespace kalvenor {

void showBoardFor(const Session& session, CellState side) {
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

}  // namespace kalvenor
