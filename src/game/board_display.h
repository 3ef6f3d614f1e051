#pragma once

// The game's board on screen: what the cell buttons show for a side, the highlights of a move,
// and which cell a click chose.

#include <cstdint>
#include <optional>
#include <span>

#include "engine/cell_state.h"
#include "game/session.h"

namespace kalvenor {

// Stones and, at guide levels 1 and 2, the marks of the cells legal for `side`; with 警告表示 on,
// the threat marks.
void showBoardFor(Session& session, CellState side);
// showBoardFor with the threat marks the view holds, none found: a board drawn before it is
// known whether the game goes on (a loaded game, the computer's move), since a finished game
// threatens nothing, gets its marks from showTurnOver once it does.
void showBoardWithoutNewThreats(Session& session, CellState side);
// The turn is over and the end of the game has been checked: while the game goes on, the threat
// marks for `side`, the side the board is drawn for; none for a board the game ended on. The marks
// are thus found once a turn, for the board it ends on, and only the highlights and the track bars
// are drawn again for them.
void showTurnOver(Session& session, CellState side);
// Stones only.
void showStonesOnly(const Session& session);
// The stone just placed on `cell` and the stones it turned (`changedCells` after the placed one)
// become the view's highlights; the five of a finished game is forgotten.
void highlightMove(Session& session, std::int32_t cell, std::span<const std::int32_t> turned);

// The first cell button, in slot order, whose cell is Empty and whose button reports a click;
// when `legalFor` is First or Second the cell must also enclose something for that side.
std::optional<std::int32_t> clickedEmptyCell(const Session& session, CellState legalFor = CellState::Empty);

}  // namespace kalvenor
