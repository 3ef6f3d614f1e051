#include "engine/standard_opening.h"

#include "engine/coordinates.h"

namespace kalvenor {

void placeStandardOpening(Board& board) {
    const int dimension = board.dimension();
    // The 2^D cells with every coordinate 3 or 4: bit j of `corner` picks 4 on axis j.
    for (std::int32_t corner = 0; corner < (1 << dimension); ++corner) {
        std::int32_t cell = 0;
        int fours = 0;
        for (int axis = 0; axis < dimension; ++axis) {
            const bool four = (corner >> axis) & 1;
            fours += four ? 1 : 0;
            cell += (four ? 4 : 3) << (3 * axis);
        }
        board.set(cell, fours % 2 == 1 ? CellState::First : CellState::Second);
    }
}

}  // namespace kalvenor
