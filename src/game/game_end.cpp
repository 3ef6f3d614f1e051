#include "game/game_end.h"

#include <string_view>

#include "catalog/localized.h"
#include "cpu/pass_check.h"
#include "engine/five.h"
#include "game/labels.h"
#include "game/move_announcement.h"
#include "game/record_writer.h"
#include "platform/window_system.h"
#include "records/record_blocks.h"
#include "records/texts.h"
#include "view/board_view.h"

namespace kalvenor {

namespace {

struct ResultBox {
    std::string_view text;
    std::string_view title;
};

ResultBox resultBox(CellState winner, GameMode mode, CellState humanSide) {
    const std::string_view gameOver = localized("ゲーム終了");
    if (winner == CellState::Empty) {
        return {localized("引き分けです"), gameOver};
    }
    switch (mode) {
        case GameMode::HumanVsHuman:
            return {winner == CellState::First ? localized("先手のプレイヤーの勝利です")
                                               : localized("後手のプレイヤーの勝利です"),
                    gameOver};
        case GameMode::HumanVsCpu:
            return {winner == humanSide ? localized("貴方の勝利です") : localized("CPUの勝利です"), gameOver};
        case GameMode::CpuVsCpu:
            break;
    }
    return {resultText(winner, mode, humanSide, displayLanguage()), localized(" 対戦終了 ")};
}

// Under the enclosure rule a board can come to a stand with empty cells left: neither side has a
// cell that encloses anything. Nothing can change any more, so the game is drawn. (Between two
// people every empty cell is a move, and a full board is a draw already.)
// The side to move is asked first: it usually has a cell, which settles the question at once.
bool neitherSideCanMove(const Session& session) {
    const CellState toMove = session.state.sideToMove;
    return session.state.mode != GameMode::HumanVsHuman && checkAutoPass(*session.board, toMove) &&
           checkAutoPass(*session.board, otherSide(toMove));
}

// The win of `withFive` (First or Second), else a draw on a full board or when neither side can
// move; nothing when the game goes on. True when a result was announced.
bool announceIfOver(Session& session, CellState withFive) {
    if (withFive != CellState::Empty) {
        announceResult(session, withFive);
        return true;
    }
    if (isBoardFull(*session.board) || neitherSideCanMove(session)) {
        announceResult(session, CellState::Empty);
        return true;
    }
    return false;
}

}  // namespace

bool checkGameEnd(Session& session, std::span<const std::int32_t> changedCells) {
    GameState& state = session.state;
    if (!state.inProgress || !session.board) {
        return false;
    }
    const Board& board = *session.board;
    const CellState justMoved = otherSide(state.sideToMove);
    bool& needsFullSearch = session.needsFullFiveSearch[sideIndex(justMoved)];
    bool hasFive = false;
    if (needsFullSearch) {
        hasFive = hasFiveAnywhere(board, justMoved);
        needsFullSearch = false;
    } else if (!changedCells.empty()) {
        hasFive = hasFiveThrough(board, changedCells, justMoved);
    }
    return announceIfOver(session, hasFive ? justMoved : CellState::Empty);
}

bool endLoadedGameIfOver(Session& session) {
    GameState& state = session.state;
    if (!state.inProgress || !session.board) {
        return false;
    }
    // Should both sides hold a five, the side that moved last wins: the check after its move
    // would have found it.
    CellState withFive = CellState::Empty;
    for (const CellState side : {state.sideToMove, otherSide(state.sideToMove)}) {
        session.needsFullFiveSearch[sideIndex(side)] = false;
        if (hasFiveAnywhere(*session.board, side)) {
            withFive = side;
        }
    }
    return announceIfOver(session, withFive);
}

void announceResult(Session& session, CellState winner) {
    GameState& state = session.state;
    state.inProgress = false;
    setCountLabels(session);
    setInfoLabel(session, info_slot::LastMove, "");
    setInfoLabel(session, info_slot::Turn,
                 resultText(winner, state.mode, state.humanSide, displayLanguage()));
    // A finished game threatens nothing.
    CellHighlights& highlights = session.view.highlights;
    if (!highlights.threatWin.empty() || !highlights.threatBlock.empty()) {
        highlights.threatWin.clear();
        highlights.threatBlock.clear();
        refreshHighlights(session.view, state.viewOffset);
    }
    if (session.board && winner != CellState::Empty) {
        session.view.highlights.five = fiveCells(*session.board, winner);
        refreshHighlights(session.view, state.viewOffset);
    }
    const ResultBox box = resultBox(winner, state.mode, state.humanSide);
    showGameBox(session, box.text, box.title,
                {platform::MessageBoxButtons::Ok, platform::MessageBoxIcon::None, false});
    if (session.board) {
        appendRecordEntries(session, endBlock(*session.board, winner, state.mode, state.humanSide));
    }
}

}  // namespace kalvenor
