#include "game/restore_game.h"

#include "game/board_display.h"
#include "game/game_end.h"
#include "game/human_vs_cpu.h"
#include "game/labels.h"
#include "game/record_writer.h"
#include "records/record_blocks.h"
#include "records/texts.h"
#include "view/board_view.h"

namespace kalvenor {

namespace {

bool computerIsToMove(const GameState& state) {
    return state.mode == GameMode::HumanVsCpu && state.inProgress && state.sideToMove != state.humanSide;
}

// The turn label of the side to move, and the board drawn for it.
void showTurn(Session& session) {
    const GameState& state = session.state;
    const bool first = state.sideToMove == CellState::First;
    switch (state.mode) {
        case GameMode::HumanVsHuman:
            setTurnLabel(session, first ? turn_label::FirstHuman : turn_label::SecondHuman, state.sideToMove);
            break;
        case GameMode::HumanVsCpu:
            if (state.sideToMove == state.humanSide) {
                setTurnLabel(session, first ? turn_label::FirstYou : turn_label::SecondYou, state.sideToMove);
            } else {
                setTurnLabel(session, first ? turn_label::FirstCpu : turn_label::SecondCpu, state.sideToMove);
            }
            break;
        case GameMode::CpuVsCpu:
            setTurnLabel(session, first ? turn_label::CpuA : turn_label::CpuB, state.sideToMove);
            break;
    }
    if (computerIsToMove(state)) {
        showStonesOnly(session);
    } else {
        showBoardWithoutNewThreats(session, state.sideToMove);
    }
}

}  // namespace

GameState stateOf(const GameDataHeader& header) {
    GameState state;
    state.dimension = header.dimension;
    state.cellCount = header.cellCount;
    state.viewCellCount = header.viewCellCount;
    state.viewOffset = header.viewOffset;
    state.guideLevel = header.guideLevel;
    state.inProgress = header.inProgress != 0;
    state.sideToMove = static_cast<CellState>(header.sideToMove & 0xFF);
    state.stoneCount = header.stoneCount;
    state.turnNumber = {header.turnNumberFirst, header.turnNumberSecond};
    state.humanSide = static_cast<CellState>(header.humanSide);
    state.mode = static_cast<GameMode>(header.mode);
    return state;
}

GameDataHeader headerOf(const GameState& state) {
    return {state.dimension,
            state.cellCount,
            state.viewCellCount,
            state.viewOffset,
            state.guideLevel,
            state.inProgress ? 1 : 0,
            static_cast<std::int32_t>(static_cast<std::int8_t>(state.sideToMove)),
            state.stoneCount,
            state.turnNumberOf(CellState::First),
            state.turnNumberOf(CellState::Second),
            static_cast<std::int32_t>(state.humanSide),
            static_cast<std::int32_t>(state.mode)};
}

void restoreGame(Session& session, const SavedGame& game) {
    Board board(game.header.dimension);
    board.assign(game.board);
    restoreGame(session, game.header, std::move(board));
}

void restoreGame(Session& session, const GameDataHeader& header, Board board) {
    destroyBoardView(session.view);
    releaseBoardView(session.view);
    const bool recordEnabled = session.state.recordEnabled;
    session.state = stateOf(header);
    session.state.recordEnabled = recordEnabled;
    session.board = std::move(board);
    // A file may hold a five of either side that nobody has looked for yet.
    session.needsFullFiveSearch = {true, true};
    session.history.clear();

    const GameState& state = session.state;
    buildBoardView(session.view, session.window,
                   {state.dimension, state.mode, ViewOrigin::LoadedGame, state.guideLevel, state.viewOffset,
                    session.boardLayout});
    showTurn(session);
    setCountLabels(session);
    appendRecordEntries(
        session, startBlock(StartKind::Load, state.dimension, state.mode, state.humanSide, timestampText()));
    if (endLoadedGameIfOver(session)) {
        return;
    }
    if (computerIsToMove(state)) {
        playComputerTurns(session, {});
    } else {
        showTurnOver(session, state.sideToMove);
    }
}

}  // namespace kalvenor
