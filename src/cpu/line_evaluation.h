#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "cpu/candidate_moves.h"
#include "engine/board.h"
#include "engine/cell_set.h"
#include "engine/cell_state.h"
#include "engine/neighbours.h"
#include "engine/packed_position.h"

namespace kalvenor::detail {

// What the lines of `side` are worth towards five in a row: every unbroken run of two or more of
// its stones along any direction, weighted by its length and by how many of its two ends are
// Empty (a run shut at both ends can never grow). Costs about the side's stones and the pairs of
// neighbouring ones, not the board.
std::int32_t lineValue(const Board& board, CellState side);

// The static value of a position for `side`: its lines less the opponent's, plus the stone
// difference.
std::int32_t positionValue(const Board& board, CellState side);

// Looks at a move of `side` without playing it: whether it makes five in a row (through the cell
// or through the stones it turns) and by how much it changes positionValue for `side`. Only the
// lines through the cells the move changes are read, so a probe costs about those cells'
// neighbouring stones. The board must not change while the probe is in use.
class MoveProbe {
  public:
    MoveProbe(const Board& board, CellState side);

    struct Effect {
        bool five = false;
        std::int32_t gain = 0;
    };
    Effect probe(const CandidateMove& move, std::span<const EnclosingRay> rays);
    // Only whether the move makes five: reads just the lines where a changed cell meets a stone
    // of `side`, and stops at the first five. Several times cheaper than probe().
    bool makesFive(const CandidateMove& move, std::span<const EnclosingRay> rays);
    // The work of the probes since the last call: the changed cells, the pairs of them and the
    // lines read. A move that turns hundreds of stones on a dense board costs thousands of times
    // an ordinary one, so a search charges this, not the probes' number, to its budget.
    std::int64_t takeWork() { return std::exchange(work_, 0); }

  private:
    struct Line {
        std::int32_t first;  // the line's first cell on the board, walking along +step
        PackedPosition firstPosition;
        std::uint64_t delta;
        std::int32_t step;
        friend bool operator==(const Line&, const Line&) = default;
    };
    void addLine(std::int32_t cell, PackedPosition position, std::uint64_t delta, std::int32_t step);
    template <typename Visit>
    void forEachStoneNeighbour(std::int32_t cell, PackedPosition position, Visit&& visit) const;
    // Only the neighbours that hold a stone of `side` before the move.
    template <typename Visit>
    void forEachOwnNeighbour(std::int32_t cell, PackedPosition position, Visit&& visit) const;
    template <typename Visit>
    static void forEachNeighbourIn(const NeighbourIndex& list, std::int32_t cell, PackedPosition position,
                                   Visit&& visit);
    bool isChanged(std::int32_t cell) const;
    void markChanged(const CandidateMove& move, std::span<const EnclosingRay> rays);
    void clearChanged();
    bool isSideAfter(std::int32_t cell) const { return board_[cell] == side_ || isChanged(cell); }
    // Length of the run of `side` (after the move) through `cell` along the line of `delta`.
    int runThrough(std::int32_t cell, PackedPosition position, std::uint64_t delta, std::int32_t step) const;

    const Board& board_;
    CellState side_;
    // While the stones are few enough to find neighbours in their lists: both sides', the side's.
    std::optional<NeighbourIndex> stones_;
    std::optional<NeighbourIndex> ownStones_;
    CellSet changedSet_;  // the changed cells of the move probed
    std::vector<std::int32_t> changed_;
    std::vector<PackedPosition> changedPositions_;
    std::vector<Line> lines_;
    std::int64_t work_ = 0;
};

}  // namespace kalvenor::detail
