#include "cpu/pass_check.h"

#include <cassert>
#include <optional>

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
    // meets, or of the last cell when none is legal: the first legal cell from q on, else the
    // first of all.
    // Whether there is one at all comes first: that answer is the quick one on a dense board,
    // and the ordered walks below then stop at the cell they look for.
    std::optional<std::int32_t> firstLegal;
    const auto first = [&firstLegal](std::int32_t cell) {
        firstLegal = cell;
        return false;
    };
    if (hasEnclosingCell(board, side)) {
        forEachEnclosingCell(board, side, start, first);
        if (!firstLegal) {
            forEachEnclosingCell(board, side, 0, first);
        }
    }
    const bool legalCell = firstLegal.has_value();
    const std::int32_t last = legalCell ? positionInOrder(*firstLegal) : cellCount - 1;
    if (last != 0) {
        progress(last, cellCount);
    }
    return !legalCell;
}

}  // namespace kalvenor
