#include "ui/board_layout_choice.h"

namespace kalvenor {

void setBoardLayout(Session& session, BoardLayout layout) {
    if (session.boardLayout == layout) {
        return;
    }
    session.boardLayout = layout;
    relayoutBoardView(session.view, session.window, layout);
    if (session.boardLayoutChanged) {
        session.boardLayoutChanged(layout);
    }
}

void switchLargeBoard(Session& session) {
    setBoardLayout(session,
                   session.boardLayout == BoardLayout::Large ? BoardLayout::Classic : BoardLayout::Large);
}

}  // namespace kalvenor
