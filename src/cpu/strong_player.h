#pragma once

#include <cstdint>

#include "engine/board.h"
#include "engine/cell_state.h"

namespace kalvenor {

// How much a search of the strong level may do. The effort is counted in nodes (moves played on
// the search board and positions evaluated), never in time, so a position gives the same move on
// every machine.
struct SearchLimits {
    std::int64_t nodeBudget = 0;
    int maxDepth = 0;
    // When the search does not reach the opponent's replies, the nodes its move may spend to find
    // one that leaves the opponent no five at once; 0: as many as the root's probes.
    std::int64_t safetyBudget = 0;
    // The work the probes of the move's root, search and safety check may do together
    // (MoveProbe::takeWork); 0: no bound. On a board dense with stones one probe reads thousands
    // of lines, an ordinary one a few dozen.
    std::int64_t workBudget = 0;
};

// The default effort for a board of `dimension` axes: a move takes well under a second.
SearchLimits defaultSearchLimits(int dimension);

struct SearchOutcome {
    std::int32_t cell = -1;  // the move, or -1: no legal cell, a pass
    std::int32_t score = 0;  // for `side`; kWinScore - n: a five in n moves of its own or less
    int depth = 0;           // the deepest search that completed
    std::int64_t nodes = 0;  // nodes spent
};

inline constexpr std::int32_t kWinScore = 1'000'000;

// The strong level's move for `side` (First or Second) under the enclosure rule. The search plays
// its moves on `board` itself and takes every one of them back: the board is left exactly as it
// came, and nothing copies it.
SearchOutcome searchStrongMove(Board& board, CellState side, const SearchLimits& limits);

// A legal cell where `side` makes five in a row at once (through the cell or the stones it
// turns), the lowest such index; -1 when there is none. The board is only read.
std::int32_t findFiveInOne(const Board& board, CellState side);

// searchStrongMove with the default limits; the cell, or -1 for a pass.
std::int32_t chooseStrongMove(Board& board, CellState side);

}  // namespace kalvenor
