#pragma once

#include <cstdint>
#include <vector>

#include "cpu/levels.h"
#include "engine/cell_state.h"

namespace kalvenor::match {

// Seen from player A.
enum class Result { Wins, Loses, Draw };

// The two levels that meet: A, whose results and times are reported, and B.
struct Pairing {
    CpuLevel a = CpuLevel::Strong;
    CpuLevel b = CpuLevel::Standard;
};

struct GameReport {
    Result result = Result::Draw;
    int moves = 0;                       // stones placed after the opening
    std::vector<double> moveSeconds;     // wall time, one entry per move or pass of A
    std::vector<double> moveCpuSeconds;  // the same in CPU time
    std::int64_t nodes = 0;              // searched by A when A is the strong level
};

// One game from the standard opening: `randomMoves` moves drawn from `seed` (sides alternating
// from First, none of them a five), then A playing `sideOfA` against B until the first five, a
// full board, or two passes in a row. With `trace`, every move of a strong A is reported on
// standard error.
GameReport playMatchGame(int dimension, Pairing pairing, CellState sideOfA, int randomMoves,
                         std::uint64_t seed, bool trace);

}  // namespace kalvenor::match
