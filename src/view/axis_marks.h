#pragma once

// Finding moves across slices: which positions of each track bar lead to a slice that holds a
// target cell (a legal cell for the guided side, or with the guide off a stone).

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "engine/board.h"
#include "engine/cell_state.h"

namespace kalvenor {

// The cells a person looks for: with the guide on, the Empty cells legal for `side` (found from
// the side's stones, not by reading every cell); with it off, every stone.
std::vector<std::int32_t> navigationTargets(const Board& board, int guideLevel, CellState side);

// Per axis beyond the third (k = 0 .. D-4), the positions 1..8 as bits (bit p for position p).
// Position p of axis k is marked when a target has coordinate p-1 on that axis and stands where
// the view stands (viewOffset) on every axis before it; the axes after it may be anywhere. Moving
// the bars from the first to the last, each to a marked position, so reaches a slice that holds a
// target in at most D-3 moves. The cost follows the targets, not the cells.
std::vector<std::uint32_t> axisMarks(std::span<const std::int32_t> targets, int dimension,
                                     std::int32_t viewOffset);

// axisMarks of navigationTargets, without the list: a dense board at eight axes has millions of
// targets, 4 bytes each.
std::vector<std::uint32_t> navigationMarks(const Board& board, int guideLevel, CellState side,
                                           std::int32_t viewOffset);

// The first marked position after `current`, wrapping round (current itself last); nothing when
// no position is marked.
std::optional<int> nextMarkedPosition(std::uint32_t marks, int current);

}  // namespace kalvenor
