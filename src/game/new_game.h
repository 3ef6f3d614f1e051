#pragma once

#include <optional>

#include "game/session.h"
#include "records/board_sizes.h"
#include "records/game_mode.h"

namespace kalvenor {

// What a game-start command starts.
struct GameStart {
    int dimension = 2;
    GameMode mode = GameMode::HumanVsHuman;

    bool operator==(const GameStart&) const = default;
};

// Ids 101..114 and 120..126.
bool isGameStartCommand(int commandId);
// Starts the game the id names (asks who moves first for a game against the computer).
bool startNewGame(Session& session, int commandId);
// 新しいゲーム: a game of the number of axes and the mode of the current one, with its usual
// question; nothing before the first game.
bool startGameOfTheSameKind(Session& session);

// 101..114: two ids per dimension from 2 up, odd for HumanVsCpu, even for HumanVsHuman;
// 120..126: CpuVsCpu on 2..8 axes. Nothing for any other id.
std::optional<GameStart> decodeGameStart(int commandId);
// The command id that starts `start` (the inverse of decodeGameStart).
int gameStartCommand(GameStart start);

// The starting position of a new game or a restart, laid on the cleared board after the view is
// built and before the first redraw. Games between two people start on the empty board; games
// under the enclosure rule on the standard opening (the 2^D stones that stoneCount counts from the
// start), since no stone could enclose anything on an empty board.
void setInitialPosition(Session& session);

}  // namespace kalvenor
