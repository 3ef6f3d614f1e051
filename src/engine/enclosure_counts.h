#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "engine/board.h"
#include "engine/cell_state.h"

namespace kalvenor {

// An Empty cell that is legal for a side, with the number of stones it would enclose.
struct EnclosureCount {
    std::int32_t cell;
    std::int32_t enclosed;
    friend bool operator==(const EnclosureCount&, const EnclosureCount&) = default;
};

// Every Empty cell that is legal for `side` (First or Second) with countEnclosed() of that cell,
// in index order; the cells left out have a count of 0 or hold a stone. Found by walking out from
// the side's own stones through runs of opposing stones, so the cost follows the stones on the
// board, not its N cells. `counts` is cleared first; pass the same vector again to reuse its space.
void collectEnclosureCounts(const Board& board, CellState side, std::vector<EnclosureCount>& counts);

// Which legal cells a walk over the counts must visit: every one, or those a search for the most
// (or the fewest) enclosed stones still needs, each count at least (below) every count visited
// before it, and every legal cell of the first plane (cells 0 to 63, where the classic choice
// looks for its corners); others may come too. A walk for the fewest may end once a cell of one
// stone has come.
enum class CountsWanted { Every, Most, Fewest };

// Calls visit(count) for the same cells and counts in the same order, without holding a list of
// them: the scratch memory stays within two bytes a cell (32 MiB at eight axes) however dense the
// board is, where a list could hold a legal cell for almost every Empty cell.
void forEachEnclosureCount(const Board& board, CellState side,
                           const std::function<void(const EnclosureCount&)>& visit,
                           CountsWanted wanted = CountsWanted::Every);

// The legal Empty cells for `side` (First or Second) from `from` on, in index order, until visit
// returns false: the cells of forEachEnclosureCount without their counts, which a board dense
// with stones answers much sooner. With `wantedBlock`, the cells of a block of 512 (those that
// share cell / 512) come only if wantedBlock(its first cell) holds when the walk reaches it; a
// block left out is not walked at all.
void forEachEnclosingCell(const Board& board, CellState side, std::int32_t from,
                          const std::function<bool(std::int32_t)>& visit,
                          const std::function<bool(std::int32_t)>& wantedBlock = {});

// Whether `side` (First or Second) has a legal Empty cell: the same answer as a non-empty
// collectEnclosureCounts, found the same way but stopping at the first such cell.
bool hasEnclosingCell(const Board& board, CellState side);

}  // namespace kalvenor
