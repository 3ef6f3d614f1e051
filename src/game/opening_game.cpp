#include "game/opening_game.h"

#include <vector>

#include "engine/board.h"
#include "engine/coordinates.h"
#include "engine/standard_opening.h"

namespace kalvenor {

namespace {

// As a new game starts: the whole board up to three axes, else the 8 x 8 x 8 block whose
// coordinate on every further axis is 3. (The tool links no window code, so it does not reach
// for the new-game table.)
std::int32_t newGameViewOffset(int dimension) {
    std::int32_t offset = 0;
    for (int axis = 3; axis < dimension; ++axis) {
        offset += 3 * integerPower(8, axis);
    }
    return offset;
}

}  // namespace

SavedGame standardOpeningGame(int dimension, GameMode mode, CellState humanSide) {
    Board board(dimension);
    placeStandardOpening(board);
    SavedGame game;
    GameDataHeader& header = game.header;
    header.dimension = dimension;
    header.cellCount = integerPower(8, dimension);
    header.viewCellCount = dimension <= 3 ? header.cellCount : integerPower(8, 3);
    header.viewOffset = newGameViewOffset(dimension);
    header.guideLevel = 0;
    header.inProgress = 1;
    header.sideToMove = static_cast<std::int32_t>(CellState::First);
    header.stoneCount = integerPower(2, dimension);
    header.turnNumberFirst = 1;
    header.turnNumberSecond = 1;
    header.humanSide = static_cast<std::int32_t>(humanSide);
    header.mode = static_cast<std::int32_t>(mode);
    game.board.assign(board.bytes().begin(), board.bytes().end());
    return game;
}

}  // namespace kalvenor
