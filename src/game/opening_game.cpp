#include "game/opening_game.h"

#include <vector>

#include "engine/board.h"
#include "engine/standard_opening.h"
#include "records/board_sizes.h"

namespace kalvenor {

SavedGame standardOpeningGame(int dimension, GameMode mode, CellState humanSide) {
    Board board(dimension);
    placeStandardOpening(board);
    SavedGame game;
    GameDataHeader& header = game.header;
    const BoardSizes sizes = boardSizes(dimension);
    header.dimension = dimension;
    header.cellCount = sizes.cellCount;
    header.viewCellCount = sizes.viewCellCount;
    header.viewOffset = sizes.viewOffset;
    header.guideLevel = 0;
    header.inProgress = 1;
    header.sideToMove = static_cast<std::int32_t>(CellState::First);
    header.stoneCount = sizes.stoneCount;
    header.turnNumberFirst = 1;
    header.turnNumberSecond = 1;
    header.humanSide = static_cast<std::int32_t>(humanSide);
    header.mode = static_cast<std::int32_t>(mode);
    game.board.assign(board.bytes().begin(), board.bytes().end());
    return game;
}

}  // namespace kalvenor
