#include "engine/enclosure_planes.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "engine/cell_planes.h"
#include "engine/neighbours.h"
#include "engine/packed_position.h"

namespace kalvenor::detail {

namespace {

using CubeMasks = std::array<std::uint64_t, kCubePlanes>;
using InPlaneMasks = std::array<std::uint64_t, InPlaneDirections::kCount>;

constexpr int kCubeCellShift = kCubePlaneShift + kPlaneCellShift;

// A direction from an Empty cell along its ray: its index step and packed delta.
struct RayDirection {
    std::int32_t step;
    std::uint64_t delta;
};

// The rays of the Empty cells of one plane of a cube along the directions that go into the
// cube `cubeStep` away (the plane's own cube for a step of 0) and `laneStep` planes further along
// axis 2 a step: `next` is the slot they reach first, `stride` the words from one slot reached
// to the next, `steps` how many steps stay on the board along the axes above 2.
struct PlaneRayWalk {
    int plane;
    const InPlaneMasks& emptyAhead;  // the plane's Empty cells moved one in-plane step on
    const std::uint64_t* next;
    std::ptrdiff_t stride;
    int steps;
    int own;
    int opposing;
    RayDirection across;  // the part of each direction across the planes (axes 2 and above)

    // Calls tally.add(plane, cells, run, direction) for the cells whose ray along (in-plane step dx, dy, and
    // this lane and cube step) runs over `run` opposing stones to an own stone; false when add
    // did. The rays are followed in the frame of the plane they have reached, so that each step
    // moves them by the same constant.
    template <int dx, int dy, typename Tally>
    bool walk(Tally& tally) const {
        constexpr InPlaneMove forward(-dx, -dy);
        constexpr std::size_t d = (dy + 1) * 3 + (dx + 1);
        const std::uint64_t* slot = next;
        std::uint64_t alive = emptyAhead[d] & slot[opposing];
        for (int run = 1; alive != 0 && run < steps; ++run) {
            slot += stride;
            const std::uint64_t ahead = forward(alive);
            if (const std::uint64_t closed = ahead & slot[own]; closed != 0) {
                // Back in the frame of the Empty cells, run + 1 steps behind.
                const InPlaneMove& back = kInPlaneDirections.moves[d][static_cast<std::size_t>(run + 1)];
                const RayDirection direction{across.step + dx + 8 * dy,
                                             across.delta + static_cast<std::uint64_t>(std::int64_t{dx}) +
                                                 (static_cast<std::uint64_t>(std::int64_t{dy}) << 8)};
                if (!tally.add(plane, back(closed), run, direction)) {
                    return false;
                }
            }
            alive = ahead & slot[opposing];
        }
        return true;
    }

    // All nine in-plane steps, the zero one only when the rays leave the plane.
    template <typename Tally>
    bool walkEveryInPlaneStep(Tally& tally, bool staysInPlane) const {
        return [&]<int... d>(std::integer_sequence<int, d...>) {
            return (
                (d == InPlaneDirections::kZero && staysInPlane ? true : walk<d % 3 - 1, d / 3 - 1>(tally)) &&
                ...);
        }
        (std::make_integer_sequence<int, InPlaneDirections::kCount>{});
    }
};

// How many steps of packed delta `delta` from `position` stay on the board, at most eight.
int stepsOnBoard(PackedPosition position, std::uint64_t delta) {
    int steps = 0;
    // Eight steps move a biased coordinate by at most 8 within its byte: no lane carries.
    while (steps < kAxisLength && isOnBoard(position + static_cast<std::uint64_t>(steps + 1) * delta)) {
        ++steps;
    }
    return steps;
}

// Walks the enclosing rays of the Empty cells of `cube`, one direction and one plane at a time,
// into `tally`: tally.add(plane, cells, run, direction) gets the cells (never none) of the cube's
// plane `plane` whose ray along `direction` runs over `run` opposing stones before an own stone
// closes it, each (cell, direction) once; tally.wants(plane) says whether the plane's rays are
// still asked for. Stops when add returns false, and then returns false.
template <typename Tally>
bool walkRaysOfCube(int dimension, const CellPlanes& planes, CellState side, std::int32_t cube,
                    Tally& tally) {
    const int own = CellPlanes::wordOf(side);
    const int opposing = CellPlanes::wordOf(otherSide(side));
    const std::uint64_t* slots = planes.slots(cube);
    const int planesInCube = std::min(planes.planeCount(), kCubePlanes);
    std::array<InPlaneMasks, kCubePlanes> emptyAhead{};
    std::uint64_t anyEmpty = 0;
    for (int plane = 0; plane < planesInCube; ++plane) {
        const std::uint64_t* slot = slots + CellPlanes::kSlotWords * plane;
        const std::uint64_t empty = ~(slot[own] | slot[opposing]);
        anyEmpty |= empty;
        for (std::size_t d = 0; d < InPlaneDirections::kCount; ++d) {
            // One step on along d is the move by one step of the opposite direction.
            emptyAhead[static_cast<std::size_t>(plane)][d] =
                kInPlaneDirections.moves[InPlaneDirections::kCount - 1 - d][1](empty);
        }
    }
    if (anyEmpty == 0) {
        return true;
    }
    const std::int32_t firstCell = cube << kCubeCellShift;
    const PackedPosition cubePosition = packPosition(firstCell);
    const int laneSteps = dimension > 2 ? 1 : 0;
    return forEachNeighbourBlock(dimension, 3, 1, firstCell, [&](std::int32_t cellStep, std::uint64_t delta) {
        const std::int32_t cubeStep = cellStep >> kCubeCellShift;
        if (!planes.cubeHolds(otherSide(side), cube + cubeStep)) {
            return true;  // every ray into that cube ends at once
        }
        // Within the cube the planes beyond it are empty and end every ray.
        const int steps = cubeStep == 0 ? kAxisLength : stepsOnBoard(cubePosition, delta);
        if (steps < 2) {
            return true;  // a ray's shortest run ends two steps on
        }
        const std::uint64_t* nextCube = planes.slots(cube + cubeStep);
        for (int laneStep = -laneSteps; laneStep <= laneSteps; ++laneStep) {
            const std::ptrdiff_t stride =
                (cubeStep * CellPlanes::kPaddedCube + laneStep) * CellPlanes::kSlotWords;
            for (int plane = 0; plane < planesInCube; ++plane) {
                const auto& ahead = emptyAhead[static_cast<std::size_t>(plane)];
                const std::uint64_t* next = nextCube + CellPlanes::kSlotWords * (plane + laneStep);
                if (ahead[InPlaneDirections::kZero] == 0 || next[opposing] == 0 ||
                    static_cast<unsigned>(plane + 2 * laneStep) >= kCubePlanes || !tally.wants(plane)) {
                    continue;
                }
                const RayDirection across{cellStep + laneStep * (1 << kPlaneCellShift),
                                          delta + (static_cast<std::uint64_t>(std::int64_t{laneStep}) << 16)};
                const PlaneRayWalk walk{plane, ahead, next, stride, steps, own, opposing, across};
                if (!walk.walkEveryInPlaneStep(tally, cubeStep == 0 && laneStep == 0)) {
                    return false;
                }
            }
        }
        return true;
    });
}

// The counts of the 64 cells of a plane, bit-sliced: slice i holds bit i of every cell's count,
// so that a ray found for many cells at once is added to all of them in a few operations.
class PlaneCounts {
  public:
    // Adds `run` (1 to 7) to the count of each cell of `cells`.
    void add(std::uint64_t cells, int run) {
        for (std::size_t bit = 0; (run >> bit) != 0; ++bit) {
            if ((run >> bit & 1) != 0) {
                addPowerOfTwo(cells, bit);
            }
        }
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
    // Adds 2^slice to the counts of `carry`, carrying on while any count overflows a slice.
    void addPowerOfTwo(std::uint64_t carry, std::size_t slice) {
        for (; carry != 0; ++slice) {
            assert(slice < slices_.size());
            const std::uint64_t before = slices_[slice];
            slices_[slice] = before ^ carry;
            carry &= before;
        }
        used_ = std::max(used_, slice);
    }

    // A cell encloses at most six stones along each of its 3^8 - 1 directions: 39,360 < 2^16.
    std::array<std::uint64_t, 16> slices_{};
    std::size_t used_ = 0;
};

// The sums of every plane of a cube.
struct CubeCounts {
    std::array<PlaneCounts, kCubePlanes> planes;
    static bool wants(int) { return true; }
    bool add(int plane, std::uint64_t cells, int run, const RayDirection&) {
        planes[static_cast<std::size_t>(plane)].add(cells, run);
        return true;
    }
};

// Which Empty cells of each plane of a cube have an enclosing ray: a plane is done when all have.
struct CubeLegalCells {
    CubeMasks empty{};
    CubeMasks legal{};
    bool wants(int plane) const {
        return legal[static_cast<std::size_t>(plane)] != empty[static_cast<std::size_t>(plane)];
    }
    bool add(int plane, std::uint64_t cells, int, const RayDirection&) {
        legal[static_cast<std::size_t>(plane)] |= cells;
        return true;
    }
};

// Stops at the first ray.
struct AnyRay {
    static bool wants(int) { return true; }
    static bool add(int, std::uint64_t, int, const RayDirection&) { return false; }
};

// Every ray, a cell at a time, as seen from the stone that closes it.
struct EveryRay {
    std::int32_t firstCell;  // of the cube
    const std::function<bool(const RunToEmptyCell&)>& visit;
    static bool wants(int) { return true; }
    bool add(int plane, std::uint64_t cells, int run, const RayDirection& direction) const {
        for (; cells != 0; cells &= cells - 1) {
            const std::int32_t cell = firstCell + (plane << kPlaneCellShift) + std::countr_zero(cells);
            if (!visit({cell, run, std::uint64_t{0} - direction.delta, -direction.step})) {
                return false;
            }
        }
        return true;
    }
};

}  // namespace

void forEachEnclosureCountInPlanes(const Board& board, CellState side,
                                   const std::function<void(const EnclosureCount&)>& visit) {
    const CellPlanes planes(board);
    for (std::int32_t cube = 0; cube < planes.cubeCount(); ++cube) {
        CubeCounts counts;
        walkRaysOfCube(board.dimension(), planes, side, cube, counts);
        for (std::size_t plane = 0; plane < kCubePlanes; ++plane) {
            counts.planes[plane].visitSums(
                (cube << kCubeCellShift) + static_cast<std::int32_t>(plane << kPlaneCellShift), visit);
        }
    }
}

bool forEachEnclosingCellInPlanes(const Board& board, CellState side, std::int32_t from,
                                  const std::function<bool(std::int32_t)>& visit) {
    const CellPlanes planes(board);
    for (std::int32_t cube = std::max(from, 0) >> kCubeCellShift; cube < planes.cubeCount(); ++cube) {
        CubeLegalCells cells;
        for (int plane = 0; plane < std::min(planes.planeCount(), kCubePlanes); ++plane) {
            const std::int32_t inBoard = (cube << kCubePlaneShift) + plane;
            cells.empty[static_cast<std::size_t>(plane)] =
                ~(planes.mask(CellState::First, inBoard) | planes.mask(CellState::Second, inBoard));
        }
        walkRaysOfCube(board.dimension(), planes, side, cube, cells);
        for (std::size_t plane = 0; plane < kCubePlanes; ++plane) {
            for (std::uint64_t legal = cells.legal[plane]; legal != 0; legal &= legal - 1) {
                const std::int32_t cell = (cube << kCubeCellShift) +
                                          static_cast<std::int32_t>(plane << kPlaneCellShift) +
                                          std::countr_zero(legal);
                if (cell >= from && !visit(cell)) {
                    return false;
                }
            }
        }
    }
    return true;
}

bool hasEnclosingCellInPlanes(const Board& board, CellState side) {
    const CellPlanes planes(board);
    AnyRay anyRay;
    for (std::int32_t cube = 0; cube < planes.cubeCount(); ++cube) {
        if (!walkRaysOfCube(board.dimension(), planes, side, cube, anyRay)) {
            return true;
        }
    }
    return false;
}

bool forEachEnclosingRayInPlanes(const Board& board, CellState side,
                                 const std::function<bool(const RunToEmptyCell&)>& visit) {
    const CellPlanes planes(board);
    for (std::int32_t cube = 0; cube < planes.cubeCount(); ++cube) {
        EveryRay rays{cube << kCubeCellShift, visit};
        if (!walkRaysOfCube(board.dimension(), planes, side, cube, rays)) {
            return false;
        }
    }
    return true;
}

}  // namespace kalvenor::detail
