#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/board.h"
#include "engine/cell_state.h"
#include "engine/coordinates.h"

namespace kalvenor::bench {

// The benchmark position P(D): the standard opening, then up to 1,000 moves with the sides
// alternating from First (First choosing the fewest stones, Second the most), each move followed
// by turning the enclosed stones, a side without a move passing, fives ignored, and an early stop
// when both sides pass in a row. With fewer `maxMoves`, the same game stopped in its middle.
struct BenchmarkPosition {
    explicit BenchmarkPosition(int dimension, int maxMoves = kMaxMoves);
    static constexpr int kMaxMoves = 1000;

    Board board;
    CellState sideToMove = CellState::First;
    int moves = 0;                          // stones placed after the opening
    std::vector<std::int32_t> lastChanged;  // the last stone placed and the stones it turned
    bool sideToMoveHasMove = false;
    bool otherSideHasMove = false;
    // A side that must pass on `board`, or nullptr when both can move.
    const CellState* sideThatMustPass() const;
    // A board on which `side` has stones, the opponent too, and `side` has no legal move: P(D)
    // without the opposing stones that touch a stone of `side`. Stands in when both sides of P(D)
    // can move.
    Board passingBoard(CellState side) const;

    // P(D) without the stones of `side` that lie in a five: the whole-board search for `side`
    // then has to look at everything.
    Board boardWithoutFives(CellState side) const;

  private:
    CellState passingSide_ = CellState::Empty;
};

// Builds each P(D) when it is first asked for and keeps it for the rest of the run.
class PositionCache {
  public:
    const BenchmarkPosition& position(int dimension);

  private:
    std::array<std::unique_ptr<BenchmarkPosition>, kMaxDimension + 1> positions_;
};

}  // namespace kalvenor::bench
