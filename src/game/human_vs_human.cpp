#include "game/human_vs_human.h"

#include "game/board_display.h"
#include "game/game_end.h"
#include "game/labels.h"
#include "game/move_announcement.h"
#include "game/record_writer.h"
#include "game/take_back.h"
#include "records/texts.h"
#include "view/board_view.h"

namespace kalvenor {

// A move of one of two people: any Empty cell, nothing turned, nobody passes.
void playHumanMove(Session& session) {
    GameState& state = session.state;
    if (!state.inProgress || state.mode != GameMode::HumanVsHuman || !session.board) {
        return;
    }
    const auto cell = clickedEmptyCell(session);
    if (!cell) {
        return;
    }
    markTakeBackPoint(session);
    const CellState mover = state.sideToMove;
    setInfoLabel(session, info_slot::LastMove,
                 playerMoveText(state.dimension, *cell, mover, displayLanguage()));
    state.countTurn(mover);
    session.board->set(*cell, mover);
    const std::int32_t placed[] = {*cell};
    noteStonePlayed(session, placed, mover);
    noteMoveToAnnounce(session, *cell, mover, 0);
    state.countStone();
    appendRecordLineWithBoard(session, playerMoveText(state.dimension, *cell, mover));

    if (mover == CellState::First) {
        setTurnLabel(session, turn_label::SecondHuman, CellState::Second);
    } else {
        setTurnLabel(session, turn_label::FirstHuman, CellState::First);
    }
    setCountLabels(session);
    state.switchSides();
    highlightMove(session, *cell, {});
    showBoardFor(session, state.sideToMove);

    setStatus(session, status_text::GameContinue);
    checkGameEnd(session, placed);
    if (state.inProgress) {
        setStatus(session, status_text::AutoPass);
    }
    setStatus(session, status_text::Ready);
    clearProgress(session);
}

}  // namespace kalvenor
