#include "game/human_vs_cpu.h"

#include <vector>

#include "engine/enclosure.h"
#include "game/board_display.h"
#include "game/computer_move.h"
#include "game/game_end.h"
#include "game/labels.h"
#include "game/move_announcement.h"
#include "game/pass_progress.h"
#include "game/record_writer.h"
#include "game/slice_navigation.h"
#include "game/take_back.h"
#include "records/texts.h"
#include "view/board_view.h"

namespace kalvenor {

namespace {

// Not reached for a board the computer moves on from because the person must pass.
void finishTurn(Session& session) {
    showTurnOver(session, session.state.humanSide);
    setStatus(session, status_text::Ready);
    clearProgress(session);
}

}  // namespace

std::int32_t playComputerReply(Session& session, std::vector<std::int32_t>* changedCells) {
    GameState& state = session.state;
    if (!session.board) {
        return -1;
    }
    Board& board = *session.board;
    const CellState side = state.sideToMove;
    const std::int32_t cell = chooseCpuMove(board, side, session.cpuLevel);
    std::vector<std::int32_t> changed;
    playComputerChoice(session, cell, &changed);
    if (cell >= 0) {
        noteStonePlayed(session, changed, side);
        followMove(session, cell);
    }
    if (changedCells != nullptr) {
        changedCells->insert(changedCells->end(), changed.begin(), changed.end());
    }
    if (state.humanSide != CellState::First) {
        setTurnLabel(session, turn_label::SecondYou, CellState::Second);
    } else {
        setTurnLabel(session, turn_label::FirstYou, CellState::First);
    }
    showBoardWithoutNewThreats(session, state.humanSide);
    return cell;
}

void playComputerTurns(Session& session, std::vector<std::int32_t> changedCells) {
    GameState& state = session.state;
    for (;;) {
        setStatus(session, status_text::GameContinue);
        checkGameEnd(session, changedCells);
        if (!state.inProgress) {
            return finishTurn(session);
        }

        setStatus(session, status_text::CpuAutoPass);
        const bool computerPasses = checkAutoPassShowingProgress(session, state.computerSide());
        setStatus(session, status_text::CpuTurn);
        clearProgress(session);
        changedCells.clear();
        playComputerReply(session, &changedCells);
        state.switchSides();
        if (computerPasses) {
            checkGameEnd(session, changedCells);
            return finishTurn(session);
        }

        setStatus(session, status_text::GameContinue);
        checkGameEnd(session, changedCells);
        if (!state.inProgress) {
            return finishTurn(session);
        }
        setStatus(session, status_text::PlayerAutoPass);
        if (!checkAutoPassShowingProgress(session, state.humanSide)) {
            return finishTurn(session);
        }
        // The person has no legal cell: a silent pass, and the computer plays again.
        state.switchSides();
        state.countTurn(state.humanSide);
        showStonesOnly(session);
        changedCells.clear();
    }
}

void playHumanVsCpuTurn(Session& session) {
    GameState& state = session.state;
    if (!state.inProgress || state.mode != GameMode::HumanVsCpu || !session.board) {
        return;
    }
    const auto cell = clickedEmptyCell(session, state.sideToMove);
    if (!cell) {
        return;
    }
    markTakeBackPoint(session);
    Board& board = *session.board;
    const CellState mover = state.sideToMove;
    state.countTurn(state.humanSide);
    board.set(*cell, mover);
    state.countStone();
    std::vector<std::int32_t> changedCells{*cell};
    turnEnclosed(board, *cell, mover, &changedCells);
    noteStonePlayed(session, changedCells, mover);
    noteMoveToAnnounce(session, *cell, mover, changedCells.size() - 1);
    appendRecordLineWithBoard(session, playerMoveText(state.dimension, *cell, state.humanSide));
    state.switchSides();
    if (state.humanSide == CellState::First) {
        setTurnLabel(session, turn_label::SecondCpu, CellState::Second);
    } else {
        setTurnLabel(session, turn_label::FirstCpu, CellState::First);
    }
    highlightMove(session, *cell, std::span(changedCells).subspan(1));
    showStonesOnly(session);
    playComputerTurns(session, std::move(changedCells));
}

}  // namespace kalvenor
