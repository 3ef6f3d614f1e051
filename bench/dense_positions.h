#pragma once

#include <string_view>

#include "engine/board.h"

namespace kalvenor::bench {

// Boards packed with stones and without a five anywhere: the positions where the work of a
// choice follows the millions of stones and their 3^D - 1 directions, not the few legal cells of
// an ordinary game. Every line along axis 0 whose other coordinates are none of them 4 holds the
// pattern's stones at the listed coordinates; every other cell is Empty. A coordinate of 4 on
// another axis breaks every line that could make five, and along axis 0 the sides alternate.
enum class DensePattern {
    Columns,    // ■ at 0 and 5, □ at 1 and 6: each ■ encloses along hundreds of directions
    Triples,    // ■ at 0, 3 and 6, □ at 1, 4 and 7: more stones, more rays
    Standoff,   // ■ at 0 and 1, □ at 4 to 7: no side touches the other, neither can move
    Scattered,  // each cell Empty, ■ or □ at random (a fixed hash of the cell), no five along axis 0
};

std::string_view patternName(DensePattern pattern);

Board densePosition(int dimension, DensePattern pattern);

// A random filling (a fixed hash of the cell and the share) of the cells of the lines above:
// each holds a stone with a chance of `stonesPercent` in 100, ■ or □ alike, no five along axis
// 0. The four corners of the first plane always hold a stone, since a legal corner would be the
// greedy level's move without any count.
Board randomFilling(int dimension, int stonesPercent);

}  // namespace kalvenor::bench
