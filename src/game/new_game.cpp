#include "game/new_game.h"

#include <vector>

#include "catalog/localized.h"
#include "engine/standard_opening.h"
#include "game/board_display.h"
#include "game/game_file.h"
#include "game/human_vs_cpu.h"
#include "game/labels.h"
#include "game/move_announcement.h"
#include "game/record_writer.h"
#include "records/record_blocks.h"
#include "records/texts.h"
#include "view/board_view.h"

namespace kalvenor {

namespace {

constexpr int kFirstPairId = 101;
constexpr int kLastPairId = 114;
constexpr int kFirstCpuVsCpuId = 120;
constexpr int kLastCpuVsCpuId = 126;

CellState askWhoMovesFirst(Session& session) {
    const auto answer =
        showGameBox(session, localized("先攻ですか？"), localized("対CPU戦 先攻 or 後攻 選択"),
                    {platform::MessageBoxButtons::YesNo, platform::MessageBoxIcon::Question, false});
    return answer == platform::MessageBoxResult::Yes ? CellState::First : CellState::Second;
}

// Writes the header of the record's start block (now, with the current time) and returns the
// rest: the " game start" line with the board, which only two and three axes have.
std::vector<RecordEntry> writeRecordHeader(Session& session, int dimension) {
    const GameState& state = session.state;
    std::vector<RecordEntry> closing;
    for (RecordEntry& entry :
         startBlock(StartKind::NewGame, dimension, state.mode, state.humanSide, timestampText())) {
        if (entry.withBoard) {
            closing.push_back(std::move(entry));
        } else {
            appendRecordLine(session, entry.text);
        }
    }
    return closing;
}

void applySizes(GameState& state, int dimension) {
    const BoardSizes sizes = boardSizes(dimension);
    state.dimension = dimension;
    state.stoneCount = sizes.stoneCount;
    state.cellCount = sizes.cellCount;
    state.viewCellCount = sizes.viewCellCount;
    state.viewOffset = sizes.viewOffset;
}

void refreshForSideToMove(Session& session) {
    showBoardFor(session, session.state.sideToMove);
}

// The computer opens a game against a person who moves second.
void playComputerOpening(Session& session) {
    GameState& state = session.state;
    setTurnLabel(session, turn_label::FirstCpu, CellState::First);
    refreshStonesOnly(session.view, *session.board, state.viewOffset);
    setCountLabels(session);
    playComputerReply(session);
    showTurnOver(session, state.humanSide);
    state.sideToMove = CellState::Second;
    state.countStone();  // the opening counts once more, stone or pass, as saved games expect
    setTurnLabel(session, turn_label::SecondYou, CellState::Second);
}

void playOpening(Session& session) {
    GameState& state = session.state;
    switch (state.mode) {
        case GameMode::HumanVsHuman:
            setTurnLabel(session, turn_label::FirstHuman, CellState::First);
            refreshForSideToMove(session);
            break;
        case GameMode::HumanVsCpu:
            if (state.humanSide == CellState::First) {
                setTurnLabel(session, turn_label::FirstYou, CellState::First);
                state.sideToMove = CellState::First;
                refreshForSideToMove(session);
            } else {
                playComputerOpening(session);
            }
            break;
        case GameMode::CpuVsCpu:
            refreshForSideToMove(session);
            break;
    }
}

}  // namespace

std::optional<GameStart> decodeGameStart(int commandId) {
    if (commandId >= kFirstPairId && commandId <= kLastPairId) {
        const int offset = commandId - kFirstPairId;
        return GameStart{offset / 2 + 2, offset % 2 == 0 ? GameMode::HumanVsCpu : GameMode::HumanVsHuman};
    }
    if (commandId >= kFirstCpuVsCpuId && commandId <= kLastCpuVsCpuId) {
        return GameStart{commandId - kFirstCpuVsCpuId + 2, GameMode::CpuVsCpu};
    }
    return std::nullopt;
}

int gameStartCommand(GameStart start) {
    switch (start.mode) {
        case GameMode::HumanVsCpu:
            return kFirstPairId + 2 * (start.dimension - 2);
        case GameMode::HumanVsHuman:
            return kFirstPairId + 2 * (start.dimension - 2) + 1;
        case GameMode::CpuVsCpu:
            break;
    }
    return kFirstCpuVsCpuId + start.dimension - 2;
}

void setInitialPosition(Session& session) {
    if (session.board && session.state.mode != GameMode::HumanVsHuman) {
        placeStandardOpening(*session.board);
    }
}

bool isGameStartCommand(int commandId) {
    return decodeGameStart(commandId).has_value();
}

bool startNewGame(Session& session, int commandId) {
    const std::optional<GameStart> start = decodeGameStart(commandId);
    if (!start) {
        return false;
    }
    GameState& state = session.state;
    state.turnNumber = {1, 1};
    state.guideLevel = 0;
    state.viewOffset = 0;

    state.mode = start->mode;
    if (start->mode == GameMode::HumanVsCpu) {
        state.humanSide = askWhoMovesFirst(session);
    }
    state.inProgress = true;
    state.sideToMove = CellState::First;

    // With two axes the header follows the opening, so that a computer's opening move comes first.
    const bool headerFirst = start->dimension != 2;
    std::vector<RecordEntry> closing;
    if (headerFirst) {
        closing = writeRecordHeader(session, start->dimension);
    }

    destroyBoardView(session.view);
    releaseBoardView(session.view);
    session.board.reset();
    session.needsFullFiveSearch = {false, false};  // the new board is empty
    session.history.clear();

    applySizes(state, start->dimension);
    session.board.emplace(state.dimension);
    buildBoardView(session.view, session.window,
                   {state.dimension, state.mode, ViewOrigin::NewGame, state.guideLevel, state.viewOffset,
                    session.boardLayout});
    setInitialPosition(session);

    playOpening(session);
    setCountLabels(session);

    if (!headerFirst) {
        closing = writeRecordHeader(session, start->dimension);
    }
    appendRecordEntries(session, closing);
    if (state.mode == GameMode::CpuVsCpu) {
        setTurnLabel(session, turn_label::CpuA, CellState::First);
    }
    rememberGameFile(session, {});
    return true;
}

bool startGameOfTheSameKind(Session& session) {
    const GameState& state = session.state;
    if (state.dimension < 2) {
        return false;
    }
    return startNewGame(session, gameStartCommand({state.dimension, state.mode}));
}

}  // namespace kalvenor
