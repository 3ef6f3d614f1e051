#pragma once

#include <cstdint>
#include <span>

#include "engine/cell_state.h"
#include "game/session.h"

namespace kalvenor {

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
