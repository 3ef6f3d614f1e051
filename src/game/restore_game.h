#pragma once

#include "game/session.h"
#include "records/saved_game.h"

namespace kalvenor {

// Replaces the current game and its view with a validated saved game: the state, the board, the
// view of a loaded game, the turn and count labels and the record's start block. The side to move
// is kept in every mode; when the computer is to move in a game against the person, it plays its
// turn at once, so that the person is to move afterwards (or the game is over).
void restoreGame(Session& session, const SavedGame& game);
// The same with the board already built (a board of eight axes is 16 MiB: not copied again).
void restoreGame(Session& session, const GameDataHeader& header, Board board);

// The header that saves the state of `state`, and the state a header holds (the record off).
GameDataHeader headerOf(const GameState& state);
GameState stateOf(const GameDataHeader& header);

}  // namespace kalvenor
