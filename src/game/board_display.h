#pragma once

// Small pieces the turn flows share: which cell was clicked, redrawing the board for a side,
// and the pass check with its progress labels.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "engine/cell_state.h"
#include "game/session.h"

namespace kalvenor {

// The first cell button, in slot order, whose cell is Empty and whose button reports a click;
// when `legalFor` is First or Second the cell must also enclose something for that side.
std::optional<std::int32_t> clickedEmptyCell(const Session& session, CellState legalFor = CellState::Empty);

// Stones and, at guide levels 1 and 2, the marks of the cells legal for `side`.
void showBoardFor(Session& session, CellState side);
// Stones only.
void showStonesOnly(const Session& session);
// The stone just placed on `cell` and the stones it turned (`changedCells` after the placed one)
// become the view's highlights; the five of a finished game is forgotten.
void highlightMove(Session& session, std::int32_t cell, std::span<const std::int32_t> turned);

// Plays the computer's choice for the side to move: the stone on `cell` with the enclosed stones
// turned, or a pass when `cell` is -1; advances the side's turn counter, writes the last-move label
// and the record line, and sets the count labels. The cells placed and turned are appended to
// `changedCells` when given. Sides are not switched.
void playComputerChoice(Session& session, std::int32_t cell, std::vector<std::int32_t>* changedCells);

// True when `side` has no legal cell and must pass. On boards of four or more axes the search
// shows how far it has come in the two progress labels; when it finds a legal cell it empties
// them, when it finds none they keep their last texts.
bool checkAutoPassShowingProgress(Session& session, CellState side);

}  // namespace kalvenor
