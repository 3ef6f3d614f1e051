#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "engine/board.h"
#include "engine/cell_state.h"
#include "engine/coordinates.h"
#include "engine/direction_table.h"
#include "engine/packed_position.h"

namespace kalvenor::detail {

// A cell `from` and a neighbour `to` of it along some direction: `delta` and `step` are that
// direction's packed delta and index step.
struct NeighbourPair {
    std::int32_t from;
    PackedPosition fromPosition;
    std::int32_t to;
    PackedPosition toPosition;
    std::uint64_t delta;
    std::int32_t step;
};

// Whether testing every (cell, holder) pair is cheaper than reading all 3^D - 1 neighbours of
// every cell: so while the holders are fewer than the directions.
inline bool neighboursFromList(std::size_t holders, int dimension) {
    return holders < static_cast<std::size_t>(DirectionTable::forDimension(dimension).count() - 1);
}

// A list of cells in ascending order, indexed so that the cells within one step of any cell are
// found in a few short runs of it. Index order sorts by the highest axes first, so the cells that
// share their coordinates on the highest few axes (a block) lie together: the blocks within one
// step of a cell on those axes are 3^(k-1) runs of the list, each found from a table of where
// every block begins, and only those runs are tested. Stones gathered near a corner or a face,
// which share their highest coordinates too, are thus still told apart.
class NeighbourIndex {
  public:
    NeighbourIndex(int dimension, std::span<const std::int32_t> cells)
        : dimension_(dimension),
          indexedAxes_(indexedAxesFor(dimension, cells.size())),
          blockShift_(3 * (dimension - indexedAxes_)),
          cells_(cells.begin(), cells.end()),
          blockStarts_((std::size_t{1} << (3 * indexedAxes_)) + 1, 0) {
        positions_.reserve(cells_.size());
        for (const std::int32_t cell : cells_) {
            positions_.push_back(packPosition(cell));
            ++blockStarts_[static_cast<std::size_t>(cell >> blockShift_) + 1];
        }
        for (std::size_t block = 1; block < blockStarts_.size(); ++block) {
            blockStarts_[block] += blockStarts_[block - 1];
        }
    }

    std::span<const std::int32_t> cells() const { return cells_; }
    std::span<const PackedPosition> positions() const { return positions_; }

    // Calls visit(i) for every listed cell i (cells()[i], positions()[i]) next to `cell`, which is
    // at `position`, itself left out, in ascending order, until visit returns false; false when it
    // did.
    template <typename Visit>
    bool forEachNeighbourOf(std::int32_t cell, PackedPosition position, Visit&& visit) const {
        // The blocks within one step on the lowest indexed axis are a run of up to three; the
        // axes above it are stepped through as an odometer, the highest outermost, so that the
        // runs come in ascending order. Offsets are in blocks: 8^j for indexed axis j.
        const std::int32_t block = cell >> blockShift_;
        std::array<std::int32_t, kMostIndexedAxes> low{};
        std::array<std::int32_t, kMostIndexedAxes> high{};
        std::array<std::int32_t, kMostIndexedAxes> at{};
        std::int32_t run = block;
        for (int j = 0; j < indexedAxes_; ++j) {
            const std::int32_t stride = std::int32_t{1} << (3 * j);
            const int coordinate = (block >> (3 * j)) & (kAxisLength - 1);
            low[j] = coordinate > 0 ? -stride : 0;
            high[j] = coordinate < kAxisLength - 1 ? stride : 0;
            at[j] = low[j];
            if (j > 0) {
                run += low[j];
            }
        }
        while (true) {
            const std::uint32_t end = blockStarts_[static_cast<std::size_t>(run + high[0] + 1)];
            for (std::uint32_t i = blockStarts_[static_cast<std::size_t>(run + low[0])]; i < end; ++i) {
                if (isWithinOneStep(position, positions_[i]) && positions_[i] != position && !visit(i)) {
                    return false;
                }
            }
            int j = 1;
            for (; j < indexedAxes_ && at[j] == high[j]; ++j) {
                run += low[j] - at[j];
                at[j] = low[j];
            }
            if (j >= indexedAxes_) {
                return true;
            }
            const std::int32_t stride = std::int32_t{1} << (3 * j);
            at[j] += stride;
            run += stride;
        }
    }

  private:
    // At most 8^4 blocks (a table of 16 KiB, 27 runs a cell), and about one block for every two
    // cells or fewer, so that a short list is not outweighed by its table.
    static constexpr int kMostIndexedAxes = 4;

    static int indexedAxesFor(int dimension, std::size_t cells) {
        int axes = 1;
        while (axes < std::min(dimension - 1, kMostIndexedAxes) &&
               (std::size_t{1} << (3 * axes)) < 2 * cells) {
            ++axes;
        }
        return axes;
    }

    int dimension_;
    int indexedAxes_;
    int blockShift_;
    std::vector<std::int32_t> cells_;
    std::vector<PackedPosition> positions_;
    std::vector<std::uint32_t> blockStarts_;  // by block, where its cells begin; then the list's end
};

// Calls visit(pair) for every cell of `cells` and every cell of `holders` that neighbours it,
// until visit returns false. `holders` must be in ascending order. Reads no memory beyond the
// two lists.
template <typename Visit>
void forEachNeighbourInList(int dimension, std::span<const std::int32_t> cells,
                            std::span<const std::int32_t> holders, Visit&& visit) {
    const NeighbourIndex index(dimension, holders);
    for (const std::int32_t from : cells) {
        const PackedPosition fromPosition = packPosition(from);
        const bool goOn = index.forEachNeighbourOf(from, fromPosition, [&](std::uint32_t i) {
            const PackedPosition toPosition = index.positions()[i];
            return visit(NeighbourPair{from, fromPosition, index.cells()[i], toPosition,
                                       toPosition - fromPosition, index.cells()[i] - from});
        });
        if (!goOn) {
            return;
        }
    }
}

// Calls visit(blockStep, blockDelta) for every block that neighbours the block of `from` on the
// board, the block itself included, until visit returns false; false when it did. A block is the
// cells that share their coordinates on the axes from `firstAxis` on (a row of eight cells along
// axis 0 for 1, a plane of 8 × 8 for 2); its neighbours are the offsets of -1, 0 or +1 on each of
// those axes, given as an index step and a packed delta, that stay on the board for `reach`
// steps. With a reach of 1 about 2.75^(D - firstAxis) blocks, as an odometer between each axis's
// bounds; with a reach of 4, 2^(D - firstAxis).
template <typename Visit>
bool forEachNeighbourBlock(int dimension, int firstAxis, int reach, std::int32_t from, Visit&& visit) {
    std::array<int, kMaxDimension> offset{};
    std::array<int, kMaxDimension> low{};
    std::array<int, kMaxDimension> high{};
    std::int32_t blockStep = 0;
    std::uint64_t blockDelta = 0;
    for (int axis = firstAxis; axis < dimension; ++axis) {
        const int coordinate = coordinateOf(from, axis);
        low[axis] = coordinate >= reach ? -1 : 0;
        high[axis] = coordinate + reach < kAxisLength ? 1 : 0;
        offset[axis] = low[axis];
        blockStep += low[axis] * (std::int32_t{1} << (3 * axis));
        blockDelta += static_cast<std::uint64_t>(static_cast<std::int64_t>(low[axis])) << (8 * axis);
    }
    while (true) {
        if (!visit(blockStep, blockDelta)) {
            return false;
        }
        int axis = firstAxis;
        for (; axis < dimension; ++axis) {
            const std::int32_t weight = std::int32_t{1} << (3 * axis);
            const std::uint64_t lane = std::uint64_t{1} << (8 * axis);
            if (offset[axis] < high[axis]) {
                ++offset[axis];
                blockStep += weight;
                blockDelta += lane;
                break;
            }
            const int span = offset[axis] - low[axis];
            offset[axis] = low[axis];
            blockStep -= span * weight;
            blockDelta -= static_cast<std::uint64_t>(span) * lane;
        }
        if (axis >= dimension) {
            return true;
        }
    }
}

// The rows of eight cells along axis 0 that neighbour the row of `from` (forEachNeighbourBlock).
template <typename Visit>
bool forEachNeighbourRow(int dimension, std::int32_t from, Visit&& visit) {
    return forEachNeighbourBlock(dimension, 1, 1, from, std::forward<Visit>(visit));
}

// Calls visit(pair) for every neighbour of `from` on the board that holds `state`, until visit
// returns false; false when it did. Reads the neighbours a row of three cells along axis 0 at a
// time and only the rows on the board: about 2.75^(D-1) rows instead of 3^D directions, which
// is what keeps a board dense with stones within reach at eight axes.
template <typename Visit>
bool forEachNeighbourHolding(const Board& board, std::int32_t from, CellState state, Visit&& visit) {
    const std::uint8_t* cells = board.bytes().data();
    const auto wanted = static_cast<std::uint8_t>(state);
    const PackedPosition fromPosition = packPosition(from);
    const int x = coordinateOf(from, 0);
    const int firstDx = x == 0 ? 0 : -1;
    const int lastDx = x == 7 ? 0 : 1;
    return forEachNeighbourRow(board.dimension(), from, [&](std::int32_t rowStep, std::uint64_t rowDelta) {
        for (int dx = firstDx; dx <= lastDx; ++dx) {
            const std::int32_t step = rowStep + dx;
            if (step != 0 && cells[from + step] == wanted) {
                const std::uint64_t delta =
                    rowDelta + static_cast<std::uint64_t>(static_cast<std::int64_t>(dx));
                if (!visit(
                        NeighbourPair{from, fromPosition, from + step, fromPosition + delta, delta, step})) {
                    return false;
                }
            }
        }
        return true;
    });
}

}  // namespace kalvenor::detail
