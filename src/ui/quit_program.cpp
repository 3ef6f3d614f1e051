#include "ui/quit_program.h"

#include "view/board_view.h"

namespace kalvenor {

void quitProgram(Session& session) {
    session.board.reset();
    releaseBoardView(session.view);
    platform::postQuit(session.window, 0);
}

}  // namespace kalvenor
