#pragma once

#include <array>
#include <bit>
#include <cassert>
#include <cstdint>
#include <optional>
#include <span>
#include <type_traits>
#include <vector>

#include "engine/cell_state.h"

namespace kalvenor {

// The flat board of one game: N = 8^D cells, one CellState byte each, in index order
// (axis 0 is the lowest-order axis). Every change goes through set()/assign()/clear() so that
// the board can keep the per-side stone counts and the occupancy summary the fast rules rely on.
// A Board is never copied by the game (it can be 16 MiB); it is movable.
class Board {
  public:
    // An all-Empty board. Throws std::invalid_argument unless 2 <= dimension <= 8.
    explicit Board(int dimension);

    Board(const Board&) = delete;
    Board& operator=(const Board&) = delete;
    Board(Board&&) noexcept = default;
    Board& operator=(Board&&) noexcept = default;

    int dimension() const { return dimension_; }
    std::int32_t cellCount() const { return cellCount_; }

    // Requires 0 <= cell < cellCount() (checked in debug builds).
    CellState operator[](std::int32_t cell) const {
        assert(cell >= 0 && cell < cellCount_);
        return static_cast<CellState>(cells_[cell]);
    }
    // Requires 0 <= cell < cellCount() and a state of Empty, First or Second (checked in debug
    // builds); anything else changes nothing.
    void set(std::int32_t cell, CellState state);

    // Every cell Empty.
    void clear();
    // Replaces every cell from raw bytes. Throws std::invalid_argument, leaving the board as it
    // was, unless bytes.size() == cellCount() and every byte is 0..2 (the saved-game reader
    // validates before calling, so this is a last line of defence).
    void assign(std::span<const std::uint8_t> bytes);

    // Names the board's contents: it differs between two boards and after every change, so that
    // what is worked out from a position can be kept until the position changes.
    struct Revision {
        std::uint64_t board;
        std::uint64_t change;
        bool operator==(const Revision&) const = default;
    };
    Revision revision() const { return {serial_, changes_}; }
    // The cells set since `since`, oldest first, while the board still knows them: the same
    // board, no clear() or assign() since, and at most kJournalCells changes ago. Lets what was
    // worked out from a position be brought up to date instead of worked out again.
    std::optional<std::span<const std::int32_t>> changedSince(Revision since) const;
    static constexpr std::size_t kJournalCells = 512;

    // The raw cells, for saving and for the record's board text.
    std::span<const std::uint8_t> bytes() const { return cells_; }

    // Number of cells holding `state` (Empty, First or Second), kept up to date by set()/assign().
    std::int32_t count(CellState state) const { return counts_[static_cast<int>(state)]; }

    // Calls visit(cell, state) for every cell that holds a stone, in index order; a visitor that
    // returns bool stops the walk by returning false. Reads only the rows that hold stones, so it
    // costs little more than the stones themselves even at D = 8.
    template <typename Visit>
    void forEachStone(Visit&& visit) const;

    // The cells holding `side` (First or Second), in index order, appended to `cells`.
    void collectStones(CellState side, std::vector<std::int32_t>& cells) const;

  private:
    static constexpr int kRowShift = 3;  // a row: the 8 cells along axis 0 that share the other coordinates
    void updateOccupancy(std::int32_t row);
    void rebuildDerivedData();
    void forgetJournal();  // after a change of every cell

    int dimension_;
    std::int32_t cellCount_;
    std::uint64_t serial_;  // unique to this board in the process
    std::uint64_t changes_ = 0;
    // The cells of the changes after journalStart_, up to changes_: at most kJournalCells, the
    // older half dropped when it is full.
    std::vector<std::int32_t> journal_;
    std::uint64_t journalStart_ = 0;
    std::vector<std::uint8_t> cells_;
    std::array<std::int32_t, 3> counts_{};
    // Occupancy summary: one bit per row that holds any stone, and one bit per word of those
    // bits that is non-zero. N/64 bits in all (256 KiB at D = 8).
    std::vector<std::uint64_t> occupiedRows_;
    std::vector<std::uint64_t> occupiedRowWords_;
};

template <typename Visit>
void Board::forEachStone(Visit&& visit) const {
    for (std::size_t block = 0; block < occupiedRowWords_.size(); ++block) {
        for (std::uint64_t words = occupiedRowWords_[block]; words != 0; words &= words - 1) {
            const std::size_t word = block * 64 + static_cast<std::size_t>(std::countr_zero(words));
            for (std::uint64_t rows = occupiedRows_[word]; rows != 0; rows &= rows - 1) {
                const std::int32_t row = static_cast<std::int32_t>(word * 64) + std::countr_zero(rows);
                const std::int32_t first = row << kRowShift;
                for (std::int32_t cell = first; cell < first + (1 << kRowShift); ++cell) {
                    if (cells_[cell] == 0) {
                        continue;
                    }
                    if constexpr (std::is_same_v<decltype(visit(cell, CellState::Empty)), bool>) {
                        if (!visit(cell, static_cast<CellState>(cells_[cell]))) {
                            return;
                        }
                    } else {
                        visit(cell, static_cast<CellState>(cells_[cell]));
                    }
                }
            }
        }
    }
}

}  // namespace kalvenor
