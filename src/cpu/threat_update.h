#pragma once

// The cells where a stone of one side makes five between two people, brought up to date after a
// few cells of the board changed, instead of searched for again: only cells on a line through a
// changed cell, within four of it, can gain or lose a five.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "engine/board.h"
#include "engine/cell_state.h"

namespace kalvenor::detail {

// fiveCompletingCells(board, side, PlacementRule::AnyEmptyCell) for `board`, given `before`, its
// answer for the board before the cells of `changed` were set. Nothing when updating would cost
// more than searching: the side's stones are too many to look through, or `before` was cut short.
std::optional<std::vector<std::int32_t>> updatedFiveCells(const Board& board, CellState side,
                                                          std::span<const std::int32_t> changed,
                                                          const std::vector<std::int32_t>& before);

}  // namespace kalvenor::detail
