#include "game/computer_move.h"

#include "engine/enclosure.h"
#include "game/board_display.h"
#include "game/labels.h"
#include "game/move_announcement.h"
#include "game/record_writer.h"
#include "records/texts.h"
#include "view/board_view.h"

namespace kalvenor {

void playComputerChoice(Session& session, std::int32_t cell, std::vector<std::int32_t>* changedCells) {
    GameState& state = session.state;
    const CellState side = state.sideToMove;
    state.countTurn(side);
    if (cell < 0) {
        const std::string passText = cpuPassText(side);
        setInfoLabel(session, info_slot::LastMove, passText);
        // The pass is the last move now: no stone keeps the marks of the last one placed.
        session.view.highlights = {};
        noteMoveToAnnounce(session, -1, side, 0);
        appendRecordLineWithBoard(session, passText);
    } else {
        Board& board = *session.board;
        board.set(cell, side);
        state.countStone();
        std::vector<std::int32_t> turned;
        turnEnclosed(board, cell, side, &turned);
        if (changedCells != nullptr) {
            changedCells->push_back(cell);
            changedCells->insert(changedCells->end(), turned.begin(), turned.end());
        }
        highlightMove(session, cell, turned);
        setInfoLabel(session, info_slot::LastMove,
                     cpuMoveText(state.dimension, cell, side, displayLanguage()));
        noteMoveToAnnounce(session, cell, side, turned.size());
        appendRecordLineWithBoard(session, cpuRecordMoveText(state.dimension, cell, side));
    }
    setCountLabels(session);
}

}  // namespace kalvenor
