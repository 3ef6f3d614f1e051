#pragma once

#include <cstdint>
#include <span>

#include "engine/cell_state.h"
#include "game/game_history.h"

namespace kalvenor {

struct Session;

// The game as the person sees it now, to come back to.
Moment currentMoment(const Session& session);
// The labels, the marked cells and the five search's debts of `moment`; the state stays as it is.
void showMomentLabels(Session& session, const Moment& moment);
// A step to take back to, just before a person's move of the current game.
void markTakeBackPoint(Session& session);
// A stone that a person or the computer has just played (`changed`: its cell, then the stones turned).
void noteStonePlayed(Session& session, std::span<const std::int32_t> changed, CellState side);

// 待った: takes back the person's last move with the computer's replies since (between two
// people, the last move). False when there is nothing to take back.
bool takeBackMove(Session& session);
// やり直し: plays again the stones the last take-back took back, and the game stands as it did
// then. A new move forgets what could be played again. False when there is nothing to redo.
bool redoMove(Session& session);

}  // namespace kalvenor
