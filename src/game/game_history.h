#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <vector>

#include "engine/cell_state.h"
#include "game/game_state.h"
#include "view/board_view.h"

namespace kalvenor {

// The game as the person saw it at one moment: the state, what the five search still owes, the
// texts of the labels and the marked cells.
struct Moment {
    GameState state;
    std::array<bool, 2> needsFullFiveSearch{};
    std::vector<std::string> labelTexts;  // InfoLabels, slot by slot ("" where no control)
    CellHighlights highlights;
    friend bool operator==(const Moment&, const Moment&) = default;
};

// A stone as played: its cell first, then the stones it turned.
struct PlayedStone {
    std::vector<std::int32_t> changed;
    CellState side = CellState::Empty;
    friend bool operator==(const PlayedStone&, const PlayedStone&) = default;
};

// A person's move with the computer's replies since, and the moment just before it.
struct Step {
    Moment before;
    std::vector<PlayedStone> stones;
    friend bool operator==(const Step&, const Step&) = default;
};

// A step taken back, with the moment it was taken back from, so that a redo lands exactly there.
struct UndoneStep {
    Step step;
    Moment after;
    friend bool operator==(const UndoneStep&, const UndoneStep&) = default;
};

// The game's past as one value: the steps a take-back (待った) returns through and the steps a
// redo (やり直し) replays. The board is never copied: stones are undone and replayed one by one.
// The whole is held within a byte budget; the oldest steps go first, so a very long game can be
// taken back only so far.
class GameHistory {
  public:
    // About 4,000 moves of two people on eight axes, far more on fewer axes.
    static constexpr std::size_t kDefaultBudget = std::size_t{4} << 20;

    explicit GameHistory(std::size_t budgetBytes = kDefaultBudget) : budget_(budgetBytes) {}

    void clear();
    // A person is about to move: the step starts at `before`; nothing can be redone any more.
    void beginStep(Moment before);
    // A stone of the open step. Kept only while a step is open to take it back to.
    void addStone(std::span<const std::int32_t> changed, CellState side);

    bool canTakeBack() const { return !steps_.empty(); }
    bool canRedo() const { return !undone_.empty(); }
    // Moves the last step to the redo side, remembering `now`; returns it. Needs canTakeBack().
    const UndoneStep& takeBack(Moment now);
    // Moves the step taken back last to the done side again (it is then steps().back()) and returns
    // the moment it was taken back from. Needs canRedo().
    Moment redo();

    const std::deque<Step>& steps() const { return steps_; }
    const std::deque<UndoneStep>& undone() const { return undone_; }  // the next redo first
    // Puts back a history read from outside (already checked against its board), within the budget.
    void assign(std::deque<Step> steps, std::deque<UndoneStep> undone);

    // What the history holds, as counted against the budget.
    std::size_t bytes() const { return bytes_; }
    std::size_t budget() const { return budget_; }

  private:
    void keepWithinBudget(bool keepNewestStep = true);

    std::size_t budget_;
    std::size_t bytes_ = 0;
    std::deque<Step> steps_;
    std::deque<UndoneStep> undone_;
};

}  // namespace kalvenor
