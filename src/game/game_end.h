#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "game/session.h"

namespace kalvenor {

// One move or pass of the computer playing sideToMove against the person (also the computer's
// opening when the person moves second). Does not switch sides. Returns the cell, or -1 for a pass.
// When `changedCells` is given, the cells the move placed and turned are appended to it.
std::int32_t playCpuReply(Session& session, std::vector<std::int32_t>* changedCells = nullptr);

// One move or pass of the side to move in a game between computers; does not switch sides.
std::int32_t playCpuStep(Session& session, std::vector<std::int32_t>* changedCells = nullptr);

// After every move or pass (sides already switched): announces a win of the side that has just
// moved, or a draw on a full board or, under the enclosure rule, when neither side can move. True
// when it announced a result. Looks for a five only on the lines through the cells the last move
// placed or turned (none after a pass), unless the side still needs a full search.
bool checkGameEnd(Session& session, std::span<const std::int32_t> changedCells);
// Right after a load: a game in progress whose board is already over (a five of either side, a
// full board, no move for either side under the enclosure rule) ends as it would have in play.
bool endLoadedGameIfOver(Session& session);
// Ends the game: inProgress off, labels, the result box and the record's end lines.
// winner is First, Second or Empty for a draw.
void announceResult(Session& session, CellState winner);

}  // namespace kalvenor
