#include "engine/enclosure_counts.h"

#include <algorithm>
#include <cassert>

#include "engine/enclosure.h"
#include "engine/runs_from_own_stones.h"

namespace kalvenor {

namespace {

// Every Empty cell scanned with its own rays: the cheapest way when few cells are Empty. The list
// comes out in index order.
void countFromEmptyCells(const Board& board, CellState side, std::vector<EnclosureCount>& counts) {
    const std::span<const std::uint8_t> cells = board.bytes();
    for (std::int32_t cell = 0; cell < board.cellCount(); ++cell) {
        if (cells[cell] == 0) {
            if (const std::int32_t enclosed = countEnclosed(board, cell, side); enclosed > 0) {
                counts.push_back({cell, enclosed});
            }
        }
    }
}

// Every enclosing ray of every Empty cell, met once each from the own stone that closes it.
void countFromOwnStones(const Board& board, CellState side, std::vector<EnclosureCount>& counts) {
    detail::forEachRunFromOwnStones(board, side, [&](const detail::RunToEmptyCell& found) {
        counts.push_back({found.cell, found.run});
        return true;
    });

    std::sort(counts.begin(), counts.end(),
              [](const EnclosureCount& a, const EnclosureCount& b) { return a.cell < b.cell; });
    // Sum the rays of each cell in place.
    std::size_t merged = 0;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        if (merged > 0 && counts[merged - 1].cell == counts[i].cell) {
            counts[merged - 1].enclosed += counts[i].enclosed;
        } else {
            counts[merged++] = counts[i];
        }
    }
    counts.resize(merged);
}

// Work in probes of one cell: walking out from the own stones costs a pair test per own and
// opposing stone (or a probe per direction when the opposing stones are many); scanning the Empty
// cells costs a probe per direction per Empty cell, plus the scan itself.
bool scanningEmptyCellsIsCheaper(const Board& board, CellState side) {
    const std::int64_t directions = DirectionTable::forDimension(board.dimension()).count() - 1;
    const std::int64_t own = board.count(side);
    const std::int64_t fromOwnStones =
        own * std::min<std::int64_t>(board.count(otherSide(side)), 2 * directions);
    const std::int64_t fromEmptyCells =
        2 * board.count(CellState::Empty) * directions + board.cellCount() / 16;
    return fromEmptyCells < fromOwnStones;
}

bool bothSidesOnBoard(const Board& board) {
    return board.count(CellState::First) > 0 && board.count(CellState::Second) > 0;
}

}  // namespace

void collectEnclosureCounts(const Board& board, CellState side, std::vector<EnclosureCount>& counts) {
    assert(side == CellState::First || side == CellState::Second);
    counts.clear();
    if (!bothSidesOnBoard(board)) {
        return;
    }
    if (scanningEmptyCellsIsCheaper(board, side)) {
        countFromEmptyCells(board, side, counts);
    } else {
        countFromOwnStones(board, side, counts);
    }
}

bool hasEnclosingCell(const Board& board, CellState side) {
    assert(side == CellState::First || side == CellState::Second);
    if (!bothSidesOnBoard(board)) {
        return false;
    }
    if (scanningEmptyCellsIsCheaper(board, side)) {
        const std::span<const std::uint8_t> cells = board.bytes();
        for (std::int32_t cell = 0; cell < board.cellCount(); ++cell) {
            if (cells[cell] == 0 && isLegalMove(board, cell, side)) {
                return true;
            }
        }
        return false;
    }
    bool found = false;
    detail::forEachRunFromOwnStones(board, side, [&found](const detail::RunToEmptyCell&) {
        found = true;
        return false;
    });
    return found;
}

}  // namespace kalvenor
