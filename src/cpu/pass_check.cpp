#include "cpu/pass_check.h"

#include <algorithm>
#include <cassert>

#include "engine/enclosure_counts.h"

namespace kalvenor {

bool checkAutoPass(const Board& board, CellState side, const PassCheckProgress& progress) {
    assert(side == CellState::First || side == CellState::Second);
    if (!progress) {
        // Nobody watches: the first legal cell found settles it.
        return !hasEnclosingCell(board, side);
    }
    const std::int32_t cellCount = board.cellCount();
    // Cells are examined in the order q .. N-1, 0 .. q-1; `examined` is a cell's position in it.
    const std::int32_t start = cellCount / 4;
    const auto positionInOrder = [&](std::int32_t cell) {
        return cell >= start ? cell - start : cellCount - start + cell;
    };
    progress(0, cellCount);
    // The last progress a cell-by-cell search shows is the position of the first legal cell it
    // meets, or of the last cell when none is legal.
    std::int32_t last = cellCount - 1;
    bool legalCell = false;
    forEachEnclosureCount(board, side, [&](const EnclosureCount& entry) {
        last = std::min(last, positionInOrder(entry.cell));
        legalCell = true;
    });
    if (last != 0) {
        progress(last, cellCount);
    }
    return !legalCell;
}

}  // namespace kalvenor
