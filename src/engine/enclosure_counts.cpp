#include "engine/enclosure_counts.h"

#include <algorithm>
#include <cassert>

#include "engine/enclosure.h"
#include "engine/enclosure_planes.h"
#include "engine/runs_from_own_stones.h"

namespace kalvenor {

namespace {

using Visit = std::function<void(const EnclosureCount&)>;

// Every Empty cell scanned with its own rays: the cheapest way when few cells are Empty. The
// cells come in index order.
void countFromEmptyCells(const Board& board, CellState side, const Visit& visit) {
    const std::span<const std::uint8_t> cells = board.bytes();
    for (std::int32_t cell = 0; cell < board.cellCount(); ++cell) {
        if (cells[cell] == 0) {
            if (const std::int32_t enclosed = countEnclosed(board, cell, side); enclosed > 0) {
                visit({cell, enclosed});
            }
        }
    }
}

// The sums of the enclosing rays of each cell. A list of rays while they are few, sorted and
// summed at the end; one 16-bit counter a cell once they are many, so that a dense board's
// hundreds of millions of rays take no more room than its cells. A cell encloses at most six
// stones along each of its 3^8 - 1 directions: 39,360 fits in 16 bits.
class EnclosureTally {
  public:
    explicit EnclosureTally(std::int32_t cellCount)
        : cellCount_(cellCount),
          mostRays_(std::max<std::size_t>(static_cast<std::size_t>(cellCount) / 64, 4096)) {}

    void add(std::int32_t cell, std::int32_t run) {
        if (!perCell_.empty()) {
            perCell_[static_cast<std::size_t>(cell)] =
                static_cast<std::uint16_t>(perCell_[static_cast<std::size_t>(cell)] + run);
            return;
        }
        rays_.push_back({cell, run});
        if (rays_.size() > mostRays_) {
            perCell_.assign(static_cast<std::size_t>(cellCount_), 0);
            for (const EnclosureCount& ray : rays_) {
                add(ray.cell, ray.enclosed);
            }
            rays_ = {};
        }
    }

    // Every cell with its sum, in index order.
    void visitSums(const Visit& visit) {
        if (!perCell_.empty()) {
            for (std::int32_t cell = 0; cell < cellCount_; ++cell) {
                if (const std::int32_t sum = perCell_[static_cast<std::size_t>(cell)]; sum > 0) {
                    visit({cell, sum});
                }
            }
            return;
        }
        std::sort(rays_.begin(), rays_.end(),
                  [](const EnclosureCount& a, const EnclosureCount& b) { return a.cell < b.cell; });
        for (std::size_t i = 0; i < rays_.size();) {
            EnclosureCount sum = rays_[i];
            while (++i < rays_.size() && rays_[i].cell == sum.cell) {
                sum.enclosed += rays_[i].enclosed;
            }
            visit(sum);
        }
    }

  private:
    std::int32_t cellCount_;
    std::size_t mostRays_;
    std::vector<EnclosureCount> rays_;
    std::vector<std::uint16_t> perCell_;
};

// Every enclosing ray of every Empty cell, met once each from the own stone that closes it.
void countFromOwnStones(const Board& board, CellState side, const Visit& visit) {
    EnclosureTally tally(board.cellCount());
    detail::forEachRunFromOwnStones(board, side, [&](const detail::RunToEmptyCell& found) {
        tally.add(found.cell, found.run);
        return true;
    });
    tally.visitSums(visit);
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

// Which way the rays of a board are walked: from its Empty cells when they are few, from the
// mover's stones while the opposing stones are few, over planes of 64 cells otherwise.
enum class RayWalk { FromEmptyCells, FromOwnStones, OverPlanes };

RayWalk cheapestRayWalk(const Board& board, CellState side) {
    if (scanningEmptyCellsIsCheaper(board, side)) {
        return RayWalk::FromEmptyCells;
    }
    if (detail::neighboursFromList(static_cast<std::size_t>(board.count(otherSide(side))),
                                   board.dimension())) {
        return RayWalk::FromOwnStones;
    }
    return RayWalk::OverPlanes;
}

}  // namespace

void forEachEnclosureCount(const Board& board, CellState side, const Visit& visit, CountsWanted wanted) {
    assert(side == CellState::First || side == CellState::Second);
    if (!bothSidesOnBoard(board)) {
        return;
    }
    switch (cheapestRayWalk(board, side)) {
        case RayWalk::FromEmptyCells:
            countFromEmptyCells(board, side, visit);
            return;
        case RayWalk::FromOwnStones:
            countFromOwnStones(board, side, visit);
            return;
        case RayWalk::OverPlanes:
            detail::forEachEnclosureCountInPlanes(board, side, visit, wanted);
            return;
    }
}

void forEachEnclosingCell(const Board& board, CellState side, std::int32_t from,
                          const std::function<bool(std::int32_t)>& visit,
                          const std::function<bool(std::int32_t)>& wantedBlock) {
    assert(side == CellState::First || side == CellState::Second);
    if (!bothSidesOnBoard(board)) {
        return;
    }
    if (cheapestRayWalk(board, side) == RayWalk::OverPlanes) {
        detail::forEachEnclosingCellInPlanes(board, side, from, visit, wantedBlock);
        return;
    }
    bool goOn = true;
    forEachEnclosureCount(board, side, [&](const EnclosureCount& count) {
        constexpr std::int32_t kBlockCells = 512;
        goOn = goOn && (count.cell < from || (wantedBlock && !wantedBlock(count.cell & -kBlockCells)) ||
                        visit(count.cell));
    });
}

void collectEnclosureCounts(const Board& board, CellState side, std::vector<EnclosureCount>& counts) {
    counts.clear();
    forEachEnclosureCount(board, side, [&counts](const EnclosureCount& count) { counts.push_back(count); });
}

bool hasEnclosingCell(const Board& board, CellState side) {
    assert(side == CellState::First || side == CellState::Second);
    if (!bothSidesOnBoard(board)) {
        return false;
    }
    switch (cheapestRayWalk(board, side)) {
        case RayWalk::FromEmptyCells: {
            const std::span<const std::uint8_t> cells = board.bytes();
            for (std::int32_t cell = 0; cell < board.cellCount(); ++cell) {
                if (cells[cell] == 0 && isLegalMove(board, cell, side)) {
                    return true;
                }
            }
            return false;
        }
        case RayWalk::OverPlanes:
            return detail::hasEnclosingCellInPlanes(board, side);
        case RayWalk::FromOwnStones:
            break;
    }
    bool found = false;
    detail::forEachRunFromOwnStones(board, side, [&found](const detail::RunToEmptyCell&) {
        found = true;
        return false;
    });
    return found;
}

}  // namespace kalvenor
