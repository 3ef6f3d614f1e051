#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "engine/cell_state.h"

namespace kalvenor {

// The flat board of one game: N = 8^D cells, one CellState byte each, in index order
// (axis 0 is the lowest-order axis). Every change goes through set()/assign()/clear() so that
// the board can keep the per-side stone counts and the occupancy summary the fast rules rely on.
// A Board is never copied by the game (it can be 16 MiB); it is movable.
class Board {
public:
    // An all-Empty board. Requires 2 <= dimension <= 8 (checked in debug builds).
    explicit Board(int dimension);

    Board(const Board&) = delete;
    Board& operator=(const Board&) = delete;
    Board(Board&&) noexcept = default;
    Board& operator=(Board&&) noexcept = default;

    int dimension() const { return dimension_; }
    std::int32_t cellCount() const { return cellCount_; }

    // Requires 0 <= cell < cellCount() (checked in debug builds).
    CellState operator[](std::int32_t cell) const { return static_cast<CellState>(cells_[cell]); }
    void set(std::int32_t cell, CellState state);

    // Every cell Empty.
    void clear();
    // Replaces every cell from raw bytes. Requires bytes.size() == cellCount() and every byte 0..2
    // (the saved-game reader validates before calling).
    void assign(std::span<const std::uint8_t> bytes);

    // The raw cells, for saving and for the record's board text.
    std::span<const std::uint8_t> bytes() const { return cells_; }

    // Number of cells holding `state` (Empty, First or Second), kept up to date by set()/assign().
    std::int32_t count(CellState state) const { return counts_[static_cast<int>(state)]; }

private:
    int dimension_;
    std::int32_t cellCount_;
    std::vector<std::uint8_t> cells_;
    std::array<std::int32_t, 3> counts_{};
    // The engine may keep more derived data here (an occupancy summary); it is private to it.
};

}  // namespace kalvenor
