#include "engine/enclosure_planes.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cstdint>
#include <utility>
#include <vector>

#include "engine/cell_planes.h"
#include "engine/neighbours.h"
#include "engine/packed_position.h"

namespace kalvenor::detail {

namespace {

// Where the rays of one plane's Empty cells go next: to a neighbouring plane `planeStep` away
// (packed delta `delta`), or within the plane itself for a step of 0.
struct PlaneRayWalk {
    const std::vector<std::uint64_t>& own;
    const std::vector<std::uint64_t>& opposing;
    std::int32_t plane;
    PackedPosition planePosition;
    std::uint64_t empty;
    std::int32_t planeStep;
    std::uint64_t delta;

    // Calls add(cells, run) for the cells whose ray along (this plane step, in-plane step dx, dy)
    // runs over `run` opposing stones to an own stone; false when add did. The rays are followed in
    // the frame of the plane they have reached, so that each step moves them by the same constant.
    template <int dx, int dy, typename Add>
    bool walk(Add& add) const {
        constexpr InPlaneMove forward(-dx, -dy);
        std::uint64_t alive = forward(empty) & opposing[static_cast<std::size_t>(plane + planeStep)];
        std::int32_t reached = plane + planeStep;
        PackedPosition position = planePosition + delta;
        for (int run = 1; alive != 0; ++run) {
            reached += planeStep;
            position += delta;
            if (!isOnBoard(position)) {
                return true;
            }
            const std::uint64_t ahead = forward(alive);
            if (const std::uint64_t closed = ahead & own[static_cast<std::size_t>(reached)]; closed != 0) {
                // Back in the frame of the Empty cells, run + 1 steps behind.
                const std::uint64_t cells = InPlaneMove((run + 1) * dx, (run + 1) * dy)(closed);
                if (!add(cells, run)) {
                    return false;
                }
            }
            alive = ahead & opposing[static_cast<std::size_t>(reached)];
        }
        return true;
    }

    // All nine in-plane steps, the zero one only when the rays leave the plane.
    template <typename Add>
    bool walkEveryInPlaneStep(Add& add) const {
        return [&]<int... d>(std::integer_sequence<int, d...>) {
            return (
                (d == InPlaneDirections::kZero && planeStep == 0 ? true : walk<d % 3 - 1, d / 3 - 1>(add)) &&
                ...);
        }
        (std::make_integer_sequence<int, InPlaneDirections::kCount>{});
    }
};

// Calls add(cells, run) for the enclosing rays of the Empty cells of `plane`, one direction at a
// time: `cells` (never none) have a ray along that direction that runs over `run` opposing stones
// before an own stone closes it. Every (cell, direction) with a ray is met once. Stops when add
// returns false, and then returns false.
template <typename Add>
bool forEachClosedRunInPlane(int dimension, const std::vector<std::uint64_t>& own,
                             const std::vector<std::uint64_t>& opposing, std::int32_t plane, Add&& add) {
    const std::size_t at = static_cast<std::size_t>(plane);
    const std::uint64_t empty = ~(own[at] | opposing[at]);
    if (empty == 0) {
        return true;
    }
    const std::int32_t firstCell = plane << kPlaneCellShift;
    const PackedPosition planePosition = packPosition(firstCell);
    return forEachNeighbourBlock(dimension, 2, 1, firstCell, [&](std::int32_t cellStep, std::uint64_t delta) {
        const std::int32_t planeStep = cellStep >> kPlaneCellShift;
        if (opposing[at + static_cast<std::size_t>(planeStep)] == 0) {
            return true;
        }
        if (planeStep != 0) {
            // A ray's shortest run ends one plane further on.
            if (!isOnBoard(planePosition + 2 * delta)) {
                return true;
            }
        }
        const PlaneRayWalk walk{own, opposing, plane, planePosition, empty, planeStep, delta};
        return walk.walkEveryInPlaneStep(add);
    });
}

// The counts of the 64 cells of a plane, bit-sliced: slice i holds bit i of every cell's count,
// so that a ray found for many cells at once is added to all of them in a few operations.
class PlaneCounts {
  public:
    // Adds `run` (1 to 7) to the count of each cell of `cells`.
    void add(std::uint64_t cells, int run) {
        std::uint64_t carry = 0;
        std::size_t slice = 0;
        for (; slice < 3; ++slice) {
            const std::uint64_t addend = (run >> slice & 1) != 0 ? cells : 0;
            const std::uint64_t before = slices_[slice];
            slices_[slice] = before ^ addend ^ carry;
            carry = (before & addend) | (carry & (before ^ addend));
        }
        for (; carry != 0; ++slice) {
            assert(slice < slices_.size());
            const std::uint64_t before = slices_[slice];
            slices_[slice] = before ^ carry;
            carry &= before;
        }
        used_ = std::max(used_, slice);
    }

    // Every cell of the plane whose first cell is `firstCell` with its count, if not 0, in index order.
    void visitSums(std::int32_t firstCell, const std::function<void(const EnclosureCount&)>& visit) const {
        std::uint64_t counted = 0;
        for (std::size_t slice = 0; slice < used_; ++slice) {
            counted |= slices_[slice];
        }
        for (; counted != 0; counted &= counted - 1) {
            const int bit = std::countr_zero(counted);
            std::int32_t sum = 0;
            for (std::size_t slice = 0; slice < used_; ++slice) {
                sum |= static_cast<std::int32_t>(slices_[slice] >> bit & 1) << slice;
            }
            visit({firstCell + bit, sum});
        }
    }

  private:
    // A cell encloses at most six stones along each of its 3^8 - 1 directions: 39,360 < 2^16.
    std::array<std::uint64_t, 16> slices_{};
    std::size_t used_ = 0;
};

}  // namespace

void forEachEnclosureCountInPlanes(const Board& board, CellState side,
                                   const std::function<void(const EnclosureCount&)>& visit) {
    const CellPlanes planes(board);
    const std::vector<std::uint64_t>& own = planes.of(side);
    const std::vector<std::uint64_t>& opposing = planes.of(otherSide(side));
    for (std::int32_t plane = 0; plane < planes.planeCount(); ++plane) {
        PlaneCounts counts;
        forEachClosedRunInPlane(board.dimension(), own, opposing, plane,
                                [&counts](std::uint64_t cells, int run) {
                                    counts.add(cells, run);
                                    return true;
                                });
        counts.visitSums(plane << kPlaneCellShift, visit);
    }
}

bool hasEnclosingCellInPlanes(const Board& board, CellState side) {
    const CellPlanes planes(board);
    const std::vector<std::uint64_t>& own = planes.of(side);
    const std::vector<std::uint64_t>& opposing = planes.of(otherSide(side));
    for (std::int32_t plane = 0; plane < planes.planeCount(); ++plane) {
        if (!forEachClosedRunInPlane(board.dimension(), own, opposing, plane,
                                     [](std::uint64_t, int) { return false; })) {
            return true;
        }
    }
    return false;
}

}  // namespace kalvenor::detail
