#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "engine/board.h"
#include "engine/cell_state.h"
#include "engine/packed_position.h"

namespace kalvenor::detail {

// One enclosing ray of a candidate cell: `run` opposing stones, the first one step (`delta`,
// `step`) away from the cell, closed by a stone of the mover beyond them.
struct EnclosingRay {
    std::uint64_t delta;
    std::int32_t step;
    std::int32_t run;
};

// A legal Empty cell with the stones it encloses; its rays are rays[firstRay .. firstRay+rayCount).
struct CandidateMove {
    std::int32_t cell;
    std::int32_t enclosed;
    std::uint32_t firstRay;
    std::uint32_t rayCount;
};

// Every legal cell of a side with its rays, so that a search can play a move by turning exactly
// its rays instead of looking along all 3^D - 1 directions again.
struct CandidateList {
    std::vector<CandidateMove> moves;  // in index order
    std::vector<EnclosingRay> rays;

    std::span<const EnclosingRay> raysOf(const CandidateMove& move) const {
        return std::span<const EnclosingRay>(rays).subspan(move.firstRay, move.rayCount);
    }
};

// A list holds at most this many rays (6 MiB of them): on a board dense with stones one side can
// have hundreds of millions, more than any search could weigh.
inline constexpr std::size_t kMostCandidateRays = std::size_t{1} << 18;

// The legal cells of `side` (First or Second): the same cells and counts as
// collectEnclosureCounts, found the same way (walking out from the side's own stones through
// runs of opposing stones). `list` is cleared first; its space is reused. False, with `list`
// empty, when the side has more than `mostRays` enclosing rays.
bool collectCandidateMoves(const Board& board, CellState side, CandidateList& list,
                           std::size_t mostRays = kMostCandidateRays);

}  // namespace kalvenor::detail
