#pragma once

#include <cstdint>
#include <vector>

#include "engine/cell_state.h"

namespace kalvenor::match {

enum class Result { StrongWins, StrongLoses, Draw };

struct GameReport {
    Result result = Result::Draw;
    int moves = 0;                             // stones placed after the opening
    std::vector<double> strongMoveSeconds;     // wall time, one entry per move or pass of the strong level
    std::vector<double> strongMoveCpuSeconds;  // the same in CPU time
    std::int64_t strongNodes = 0;
};

// One game from the standard opening: `randomMoves` moves drawn from `seed` (sides alternating
// from First, none of them a five), then the strong level playing `strongSide` against the
// greedy level (the most stones enclosed) until the first five, a full board, or two
// passes in a row.
// With `trace`, every move of the strong level is traced on standard error.
GameReport playMatchGame(int dimension, CellState strongSide, int randomMoves, std::uint64_t seed,
                         bool trace);

}  // namespace kalvenor::match
