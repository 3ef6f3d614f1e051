#pragma once

// The threat marks (警告表示): the cells where one stone makes five, on the board, under the track
// bars and in the status.

#include <string_view>

#include "cpu/threat_cells.h"
#include "engine/cell_state.h"
#include "game/session.h"

namespace kalvenor {

// 警告表示 on or off: the threat marks on the board, under the track bars and in the status.
void setThreatMarks(Session& session, bool on);
// Where the side to move wins with one stone, and where its opponent would (so where it must
// block), under the rule of the game's mode; none while no game is in progress.
ThreatCells threatsOf(const Session& session);
// With the threat marks on and the game in progress, the view's threat highlights become the
// cells where `side` would make five and where its opponent would; otherwise none. The caller
// redraws.
void updateThreatMarks(Session& session, CellState side);
// The status text that stands for " READY ": with the threat marks on, a warning when the side to
// move can make five or must block one.
std::string_view readyStatus(const Session& session);

}  // namespace kalvenor
