#pragma once

#include <string>
#include <vector>

#include "engine/board.h"
#include "engine/cell_state.h"
#include "records/game_mode.h"

namespace kalvenor {

// One line the game appends to the record; withBoard lines go through appendLineWithBoard.
struct RecordEntry {
    std::string text;
    bool withBoard = false;

    bool operator==(const RecordEntry&) const = default;
};

enum class StartKind { NewGame, Restart, Load };

// The start block of a new game, a restart of a game between computers, or a loaded game, in
// the order it is written: "", hyphens, the heading, the mode line, the player line (HumanVsCpu
// new and loaded games), the timestamp, hyphens, and the closing " game start" / " game load" /
// " game restart" line with board where one is written.
std::vector<RecordEntry> startBlock(StartKind kind, int dimension, GameMode mode, CellState humanSide,
                                    const std::string& timestamp);

// The end of a game: the result line, then the stone counts of First and of Second.
std::vector<RecordEntry> endBlock(const Board& board, CellState winner, GameMode mode, CellState humanSide);

}  // namespace kalvenor
