#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/cell_state.h"
#include "game/game_state.h"
#include "view/board_view.h"

namespace kalvenor {

struct Session;

// What taking back (待った) needs: a point before each move of a person, with the game state and
// the texts of the labels as they stood, and every stone played since with the stones it turned.
// The board is never copied: stones are taken back one by one, last first.
class TakeBackLog {
  public:
    struct Point {
        GameState state;
        std::array<bool, 2> needsFullFiveSearch{};
        std::vector<std::string> labelTexts;  // InfoLabels, slot by slot ("" where no control)
        CellHighlights highlights;            // the marks of the move the labels name
        std::size_t firstStone = 0;           // stones_[firstStone..] were played after the point
    };
    struct PlayedStone {
        std::vector<std::int32_t> changed;  // the cell first, then the stones it turned
        CellState side = CellState::Empty;
    };

    bool empty() const { return points_.empty(); }
    void clear();
    void addPoint(Point point);
    // Kept only while a point exists to take it back to.
    void addStone(std::span<const std::int32_t> changed, CellState side);
    // Removes the last point and hands back the stones played since, last first.
    Point popPoint(std::vector<PlayedStone>& stonesLastFirst);

  private:
    std::vector<Point> points_;
    std::vector<PlayedStone> stones_;
};

// 待った: takes back the person's last move with the computer's replies since (between two
// people, the last move). False when there is nothing to take back.
bool takeBackMove(Session& session);

// A point to take back to, just before a person's move of the current game.
void markTakeBackPoint(Session& session);
// A stone that a person or the computer has just played (`changed`: its cell, then the stones turned).
void noteStonePlayed(Session& session, std::span<const std::int32_t> changed, CellState side);

}  // namespace kalvenor
