#pragma once

// Where one stone ends the game: the cells on which a side makes five in a row with its next
// stone, under the placement rule of the game. The threat marks of the view and the medium level
// read them.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/board.h"
#include "engine/cell_state.h"

namespace kalvenor {

// Where a stone may go: any Empty cell (two people), or only a cell that encloses something, whose
// enclosed stones then turn (against the computer, and the computer against itself).
enum class PlacementRule { AnyEmptyCell, Enclosure };

// A side's cells beyond this many are left out (the first ones in ascending order are kept): a
// board dense with stones can have millions, and a slice's marks and the track bars need only
// some of them to lead the eye there. 1 MiB a side, copied into the view and its track bars' list.
inline constexpr std::size_t kMostThreatCells = std::size_t{1} << 18;

// The cells, in ascending order, where a stone of `side` (First or Second) placed under `rule`
// makes five in a row: through the cell itself, or under the enclosure rule also through a stone
// it turns. The board is only read. The cost follows the side's stones and its candidate cells,
// not the board's N cells.
std::vector<std::int32_t> fiveCompletingCells(const Board& board, CellState side, PlacementRule rule);

// The threats of a position: where the side to move wins with its next stone, and where the
// opponent would win, so where the side to move must block.
struct ThreatCells {
    std::vector<std::int32_t> win;
    std::vector<std::int32_t> block;

    bool empty() const { return win.empty() && block.empty(); }
};

ThreatCells findThreats(const Board& board, CellState sideToMove, PlacementRule rule);

// findThreats for the last position asked about, kept until the board changes: a redraw that
// moves only the view (another slice, the guide, the hint) finds them again at no cost. It holds
// one position, both sides' cells.
class ThreatCache {
  public:
    ThreatCells threats(const Board& board, CellState sideToMove, PlacementRule rule);

  private:
    std::optional<Board::Revision> revision_;
    PlacementRule rule_ = PlacementRule::AnyEmptyCell;
    std::array<std::vector<std::int32_t>, 2> cells_;  // by sideIndex
};

}  // namespace kalvenor
