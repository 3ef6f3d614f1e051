#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "engine/cell_state.h"
#include "records/game_mode.h"
#include "records/saved_game.h"

namespace kalvenor {

// The state of the game of one main window, with its values at program start.
struct GameState {
    std::int32_t dimension = 0;      // 0 before the first game, then 2..8
    std::int32_t cellCount = 0;      // 8^D
    std::int32_t viewCellCount = 0;  // 12 once the start screen is built; 64 or 512 with a board
    std::int32_t viewOffset = 0;     // board index of the cell shown by cell button 0
    std::int32_t guideLevel = 0;     // 0 none, 1 simple, 2 detailed
    bool inProgress = false;
    CellState sideToMove = CellState::First;
    // 2^D at a start, +1 per stone placed, and +1 more for the computer's opening move, stone or
    // pass: saved games have always held the counter so; nothing reads it to decide anything.
    std::int32_t stoneCount = 0;
    std::array<std::int32_t, 2> turnNumber{1, 1};  // indexed by sideIndex()
    CellState humanSide = CellState::First;
    GameMode mode = GameMode::HumanVsHuman;
    bool recordEnabled = false;

    std::int32_t& turnNumberOf(CellState side) { return turnNumber[sideIndex(side)]; }
    std::int32_t turnNumberOf(CellState side) const { return turnNumber[sideIndex(side)]; }
    // One more turn of `side`, one more stone. The counters stop at the largest a saved game may
    // hold, so that a game loaded with counters at that limit and played on saves as a game that
    // loads again.
    void countTurn(CellState side) { countOne(turnNumberOf(side)); }
    void countStone() { countOne(stoneCount); }
    CellState computerSide() const { return otherSide(humanSide); }
    void switchSides() { sideToMove = otherSide(sideToMove); }
    friend bool operator==(const GameState&, const GameState&) = default;

  private:
    static void countOne(std::int32_t& counter) { counter = std::min(counter, kLargestCounter - 1) + 1; }
};

}  // namespace kalvenor
