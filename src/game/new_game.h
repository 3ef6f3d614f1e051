#pragma once

#include <cstdint>
#include <optional>

#include "game/session.h"
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

// The sizes a new game of `dimension` axes starts with.
struct BoardSizes {
    std::int32_t cellCount = 0;      // 8^D
    std::int32_t stoneCount = 0;     // 2^D
    std::int32_t viewCellCount = 0;  // the whole board up to three axes, one 8 x 8 x 8 slice beyond
    std::int32_t viewOffset = 0;     // coordinate 3 on every axis beyond the third
};
BoardSizes boardSizes(int dimension);

// The starting position of a new game, laid on the cleared board after the view is built and
// before the first redraw. Every game starts on the empty board: it lays no stone.
void setInitialPosition(Session& session);

}  // namespace kalvenor
