#include "game/cpu_vs_cpu.h"

#include <vector>

#include "cpu/move_choice.h"
#include "engine/coordinates.h"
#include "engine/enclosure.h"
#include "game/board_display.h"
#include "game/computer_move.h"
#include "game/discard_question.h"
#include "game/game_end.h"
#include "game/game_file.h"
#include "game/labels.h"
#include "game/new_game.h"
#include "game/record_writer.h"
#include "game/slice_navigation.h"
#include "platform/window_system.h"
#include "records/record_blocks.h"
#include "records/texts.h"
#include "view/board_view.h"

namespace kalvenor {

namespace {

// Slots of VsControls; slot 0 is the "VS Control" caption.
enum VsButton { OneMove = 1, TenMoves = 2, ToTheEnd = 3, FromTheStart = 4 };

bool isPressed(const Session& session, int slot) {
    const auto& controls = session.view.vsControls;
    return static_cast<std::size_t>(slot) < controls.size() && controls[slot] != nullptr &&
           platform::buttonState(controls[slot]) != 0;
}

// One move or pass of the side to move; does not switch sides. The cells placed and turned are
// appended to `changedCells`.
void playComputerStep(Session& session, std::vector<std::int32_t>& changedCells) {
    GameState& state = session.state;
    if (!session.board) {
        return;
    }
    Board& board = *session.board;
    const CellState side = state.sideToMove;
    // CPU A (First) plays the fewest-enclosing strategy, CPU B (Second) the most-enclosing one.
    const std::int32_t cell =
        side == CellState::Second ? chooseMostEnclosing(board, side) : chooseFewestEnclosing(board, side);
    playComputerChoice(session, cell, &changedCells);
    if (cell >= 0) {
        followMove(session, cell);
    }
    if (side == CellState::First) {
        setTurnLabel(session, turn_label::CpuB, CellState::Second);
    } else {
        setTurnLabel(session, turn_label::CpuA, CellState::First);
    }
    showBoardWithoutNewThreats(session, otherSide(side));
}

// One move or pass of the side to move, with the status texts around it.
void makeStep(Session& session) {
    GameState& state = session.state;
    setStatus(session,
              state.sideToMove == CellState::First ? status_text::CpuProgramA : status_text::CpuProgramB);
    std::vector<std::int32_t> changedCells;
    playComputerStep(session, changedCells);
    state.switchSides();
    setStatus(session, status_text::GameContinue);
    checkGameEnd(session, changedCells);
    showTurnOver(session, state.sideToMove);
    setStatus(session, status_text::Ready);
    clearProgress(session);
}

// Steps until the game ends. It does: every step but a pass takes an empty cell, and a pass
// after which neither side can move ends the game as a draw.
void playToTheEnd(Session& session) {
    while (session.state.inProgress) {
        makeStep(session);
    }
}

void restart(Session& session) {
    GameState& state = session.state;
    setInfoLabel(session, info_slot::LastMove, "");
    state.inProgress = true;
    state.sideToMove = CellState::First;
    state.stoneCount = integerPower(2, state.dimension);
    state.turnNumber = {1, 1};
    session.board->clear();
    session.needsFullFiveSearch = {false, false};
    setInitialPosition(session);
    session.view.highlights = {};
    appendRecordEntries(session, startBlock(StartKind::Restart, state.dimension, GameMode::CpuVsCpu,
                                            state.humanSide, timestampText()));
    showBoardFor(session, CellState::First);
    setTurnLabel(session, turn_label::CpuA, CellState::First);
    setCountLabels(session);
    rememberGameFile(session, {});  // a game of its own, as a new one
}

}  // namespace

void stepCpuVsCpu(Session& session) {
    GameState& state = session.state;
    if (state.mode != GameMode::CpuVsCpu || !session.board) {
        return;
    }
    if (isPressed(session, OneMove)) {
        if (!state.inProgress) {
            return;
        }
        makeStep(session);
    }
    if (isPressed(session, TenMoves)) {
        if (!state.inProgress) {
            return;
        }
        for (int steps = 0; steps < 10 && state.inProgress; ++steps) {
            makeStep(session);
        }
    }
    if (isPressed(session, ToTheEnd)) {
        if (state.inProgress) {
            playToTheEnd(session);
        }
        return;
    }
    if (isPressed(session, FromTheStart) && mayDiscardGame(session)) {
        restart(session);
    }
}

}  // namespace kalvenor
