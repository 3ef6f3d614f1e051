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

// 101..114: two ids per dimension from 2 up, odd for HumanVsCpu, even for HumanVsHuman;
// 120..126: CpuVsCpu on 2..8 axes. Nothing for any other id.
std::optional<GameStart> decodeGameStart(int commandId);

// The starting position of a new game, laid on the cleared board after the view is built and
// before the first redraw. Every game starts on the empty board: it lays no stone.
void setInitialPosition(Session& session);

}  // namespace kalvenor
