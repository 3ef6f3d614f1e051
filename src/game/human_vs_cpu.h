#pragma once

// The turn flow of a person against the computer: the person's click, then the computer's
// replies, and the computer's single move where a game starts or loads with it to move.

#include <cstdint>
#include <vector>

#include "game/session.h"

namespace kalvenor {

// A click on a cell button in a game against the computer (HumanVsCpu, while in progress): the
// person's stone where it encloses something, then the computer's turns. Finds the clicked button
// itself by asking the buttons' state.
void playHumanVsCpuTurn(Session& session);

// The computer's part of a turn against the person, entered with the computer to move right after
// the person's move or pass (`changedCells`: what that move placed and turned). Checks the end of
// the game, lets the computer move or pass, and repeats while the person has to pass; returns
// with the person to move or the game over.
void playComputerTurns(Session& session, std::vector<std::int32_t> changedCells);

// One move or pass of the computer playing sideToMove against the person (also the computer's
// opening when the person moves second). Does not switch sides. Returns the cell, or -1 for a pass.
// When `changedCells` is given, the cells the move placed and turned are appended to it.
std::int32_t playComputerReply(Session& session, std::vector<std::int32_t>* changedCells = nullptr);

}  // namespace kalvenor
