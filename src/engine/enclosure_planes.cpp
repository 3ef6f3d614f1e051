#include "engine/enclosure_planes.h"

// The vectors of this file (CubeLanes) never leave it: how another program's code would pass
// them does not matter.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wpsabi"
#endif

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <thread>
#include <utility>

#include "engine/cell_planes.h"
#include "engine/neighbours.h"
#include "engine/ordered_on_two_threads.h"
#include "engine/packed_position.h"

namespace kalvenor::detail {

namespace {

// The masks of a cube's eight planes, plane i in lane i: their rays are walked together.
using CubeLanes = std::uint64_t __attribute__((vector_size(kCubePlanes * sizeof(std::uint64_t))));
using InPlaneLanes = std::array<CubeLanes, InPlaneDirections::kCount>;
// The runs of a direction's rays, bit-sliced: bit i of a cell's run (1 to 6) in lanes [i], 0
// where no ray of the cell encloses along it.
using RunLanes = std::array<CubeLanes, 3>;

constexpr int kCubeCellShift = kCubePlaneShift + kPlaneCellShift;
// The cubes of seven axes: a count there takes tens of milliseconds, far more than a thread's start.
constexpr std::int32_t kCubesForTwoThreads = 4096;

CubeLanes loadLanes(const std::uint64_t* planes) {
    CubeLanes lanes;
    std::memcpy(&lanes, planes, sizeof lanes);
    return lanes;
}

bool anyLane(const CubeLanes& lanes) {
    // Folded in halves, so that the lanes are ORed as vectors while the target has them.
    using LanePair = std::uint64_t __attribute__((vector_size(2 * sizeof(std::uint64_t))));
    std::array<LanePair, kCubePlanes / 2> pairs;
    std::memcpy(pairs.data(), &lanes, sizeof lanes);
    const LanePair any = (pairs[0] | pairs[1]) | (pairs[2] | pairs[3]);
    return (any[0] | any[1]) != 0;
}

// Lane i all ones where plane i + offset lies within the cube, for offsets -8 to 8: a ray that
// leaves the cube along axis 2 leaves the board.
constexpr std::array<std::array<std::uint64_t, kCubePlanes>, 2 * kCubePlanes + 1> kLanesInCube = [] {
    std::array<std::array<std::uint64_t, kCubePlanes>, 2 * kCubePlanes + 1> lanes{};
    for (int offset = -kCubePlanes; offset <= kCubePlanes; ++offset) {
        for (int lane = 0; lane < kCubePlanes; ++lane) {
            const bool inCube = lane + offset >= 0 && lane + offset < kCubePlanes;
            lanes[static_cast<std::size_t>(offset + kCubePlanes)][static_cast<std::size_t>(lane)] =
                inCube ? ~std::uint64_t{0} : 0;
        }
    }
    return lanes;
}();

// Where a walk starts and what closes its rays: from the Empty cells to an own stone, or from the
// own stones to an Empty cell. The rays are the same; the second start is the cheaper one where
// the own stones are the fewer (each ray is then given as seen from the stone).
enum class WalkFrom { EmptyCells, OwnStones };

// A direction from the cell a walk starts at along its ray: its index step and packed delta.
struct RayDirection {
    std::int32_t step;
    std::uint64_t delta;
};

// The rays from the cells of a cube's planes where walks start (`from`) along the directions that
// go into the cube `cubeStep` away (the cube itself for a step of 0) and `laneStep` planes further
// along axis 2 a step: `own` and `opposing` are the planes reached first, `stride` the words from
// one plane reached to the next, `steps` how many steps stay on the board along the axes above 2.
template <WalkFrom from>
struct CubeRayWalk {
    const InPlaneLanes& startsAhead;  // the cells the walks start from, moved one in-plane step on
    const std::uint64_t* own;
    const std::uint64_t* opposing;
    std::ptrdiff_t stride;
    int laneStep;
    int steps;
    RayDirection across;  // the part of each direction across the planes (axes 2 and above)

    // The cells that close a ray `taken` steps on, in the planes `ownAt` and `opposingAt` reached.
    CubeLanes closing(const std::uint64_t* ownAt, const std::uint64_t* opposingAt, int taken) const {
        if constexpr (from == WalkFrom::EmptyCells) {
            return loadLanes(ownAt);
        } else {
            return ~(loadLanes(ownAt) | loadLanes(opposingAt)) &
                   loadLanes(kLanesInCube[static_cast<std::size_t>(taken * laneStep + kCubePlanes)].data());
        }
    }

    // The runs (bit-sliced) of the rays along (in-plane step dx, dy, and this lane and cube
    // step) that close; whether there are any. With `slices` of 1, only which rays close, in
    // runs[0]. The rays are followed in the frame of the plane they have reached, so that each
    // step moves them by the same constant.
    template <int dx, int dy, std::size_t slices>
    bool walk(RunLanes& runs) const {
        constexpr InPlaneMove forward(-dx, -dy);
        constexpr std::size_t d = (dy + 1) * 3 + (dx + 1);
        const std::uint64_t* ownAt = own;
        const std::uint64_t* opposingAt = opposing;
        CubeLanes alive = startsAhead[d] & loadLanes(opposingAt);
        if (!anyLane(alive)) {
            return false;  // most walks end here, having written nothing
        }
        std::array<CubeLanes, slices> found{};
        for (int run = 1; run < steps && anyLane(alive); ++run) {
            ownAt += stride;
            opposingAt += stride;
            const CubeLanes ahead = forward(alive);
            // Back in the frame of the starting cells, run + 1 steps behind. A cell's ray closes
            // once at most, so its run's bits are set without a carry and without a test.
            const CubeLanes closed = kInPlaneDirections.moves[d][static_cast<std::size_t>(run + 1)](
                ahead & closing(ownAt, opposingAt, run + 1));
            if constexpr (slices == 1) {
                found[0] |= closed;
            } else {
                for (std::size_t bit = 0; bit < slices; ++bit) {
                    found[bit] |= closed & (std::uint64_t{0} - static_cast<std::uint64_t>(run >> bit & 1));
                }
            }
            alive = ahead & loadLanes(opposingAt);
        }
        CubeLanes any = found[0];
        for (std::size_t bit = 1; bit < slices; ++bit) {
            any |= found[bit];
        }
        if (!anyLane(any)) {
            return false;
        }
        for (std::size_t bit = 0; bit < runs.size(); ++bit) {
            runs[bit] = bit < slices ? found[bit] : CubeLanes{};
        }
        return true;
    }

    // Calls tally.add(runs, direction) for each of the nine in-plane steps (the zero one only
    // when the rays leave the plane) whose rays enclose; false when add returned false. The walks
    // come first, so that the tally's work stays out of their registers.
    template <typename Tally>
    bool walkEveryInPlaneStep(Tally& tally, bool staysInPlane) const {
        std::array<RunLanes, InPlaneDirections::kCount> runs;
        const unsigned found = [&]<int... d>(std::integer_sequence<int, d...>) {
            return (
                (d == InPlaneDirections::kZero && staysInPlane
                     ? 0U
                     : static_cast<unsigned>(walk<d % 3 - 1, d / 3 - 1, Tally::kRunSlices>(runs[d])) << d) |
                ...);
        }
        (std::make_integer_sequence<int, InPlaneDirections::kCount>{});
        for (unsigned left = found; left != 0; left &= left - 1) {
            const int d = std::countr_zero(left);
            const int dx = d % 3 - 1;
            const int dy = d / 3 - 1;
            const RayDirection direction{across.step + dx + 8 * dy,
                                         across.delta + static_cast<std::uint64_t>(std::int64_t{dx}) +
                                             (static_cast<std::uint64_t>(std::int64_t{dy}) << 8)};
            if (!tally.add(runs[static_cast<std::size_t>(d)], direction)) {
                return false;
            }
        }
        return true;
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

// Walks the enclosing rays of the Empty cells of `cube` (or, from own stones, the rays that start
// at the side's stones in `cube`), one direction at a time for its eight planes together, into
// `tally`: tally.add(cells, run, direction) gets the cells (lane i those of the cube's plane i,
// never none in all) whose ray along `direction` runs over `run` opposing stones before an own
// stone (an Empty cell) closes it, each (cell, direction) once; tally.wanted() gives the
// lanes whose rays are still asked for (all bits set) and the others (none); Tally::kRunSlices is
// 1 when only which rays close matters (the run then reads 1), else 3. Stops when add returns
// false, and then returns false.
template <WalkFrom from = WalkFrom::EmptyCells, typename Tally>
bool walkRaysOfCube(int dimension, const CellPlanes& planes, CellState side, std::int32_t cube,
                    Tally& tally) {
    const CellState opposing = otherSide(side);
    CubeLanes starts = loadLanes(planes.planesOf(side, cube));
    if constexpr (from == WalkFrom::EmptyCells) {
        starts = ~(starts | loadLanes(planes.planesOf(opposing, cube)));
        for (int plane = planes.planeCount(); plane < kCubePlanes; ++plane) {
            starts[plane] = 0;  // a board of two axes has one plane
        }
    }
    if (!anyLane(starts)) {
        return true;
    }
    InPlaneLanes startsAhead;
    const std::int32_t firstCell = cube << kCubeCellShift;
    const PackedPosition cubePosition = packPosition(firstCell);
    const int laneSteps = dimension > 2 ? 1 : 0;
    return forEachNeighbourBlock(dimension, 3, 1, firstCell, [&](std::int32_t cellStep, std::uint64_t delta) {
        const std::int32_t cubeStep = cellStep >> kCubeCellShift;
        if (!planes.cubeHolds(opposing, cube + cubeStep)) {
            return true;  // every ray into that cube ends at once
        }
        // Within the cube the planes beyond it lie off the board and end every ray.
        const int steps = cubeStep == 0 ? kAxisLength : stepsOnBoard(cubePosition, delta);
        if (steps < 2) {
            return true;  // a ray's shortest run ends two steps on
        }
        const CubeLanes wanted = starts & tally.wanted();
        if (!anyLane(wanted)) {
            return true;
        }
        for (std::size_t d = 0; d < InPlaneDirections::kCount; ++d) {
            // One step on along d is the move by one step of the opposite direction.
            startsAhead[d] = kInPlaneDirections.moves[InPlaneDirections::kCount - 1 - d][1](wanted);
        }
        const std::uint64_t* nextOwn = planes.planesOf(side, cube + cubeStep);
        const std::uint64_t* nextOpposing = planes.planesOf(opposing, cube + cubeStep);
        for (int laneStep = -laneSteps; laneStep <= laneSteps; ++laneStep) {
            const RayDirection across{cellStep + laneStep * (1 << kPlaneCellShift),
                                      delta + (static_cast<std::uint64_t>(std::int64_t{laneStep}) << 16)};
            const CubeRayWalk<from> walk{startsAhead,
                                         nextOwn + laneStep,
                                         nextOpposing + laneStep,
                                         cubeStep * CellPlanes::kCubeStride + laneStep,
                                         laneStep,
                                         steps,
                                         across};
            if (!walk.walkEveryInPlaneStep(tally, cubeStep == 0 && laneStep == 0)) {
                return false;
            }
        }
        return true;
    });
}

constexpr CubeLanes kEveryLane = ~CubeLanes{};

CubeLanes enclosing(const RunLanes& runs) {
    return runs[0] | runs[1] | runs[2];
}

using CountSlices = std::array<CubeLanes, 16>;

// The record (the most or the fewest enclosed stones) of the counts visited so far, for a caller
// that asks only for the counts that equal or beat it.
class CountRecord {
  public:
    explicit CountRecord(CountsWanted wanted) : wanted_(wanted) {}

    void saw(std::int32_t count) {
        if (!seen_ || (wanted_ == CountsWanted::Most ? count > record_ : count < record_)) {
            record_ = count;
        }
        seen_ = true;
    }

    // Whether no cell still to come can be wanted: no legal cell encloses fewer than one stone.
    bool settled() const { return wanted_ == CountsWanted::Fewest && seen_ && record_ <= 1; }

    // Of the cells `counted` of lane `plane` of the bit-sliced counts, those still wanted.
    std::uint64_t contenders(const CountSlices& slices, std::size_t used, int plane,
                             std::uint64_t counted) const {
        if (wanted_ == CountsWanted::Every || !seen_) {
            return counted;
        }
        if ((record_ >> used) != 0) {
            return wanted_ == CountsWanted::Fewest ? counted : 0;  // above every count here
        }
        // From the highest slice down: the cells above the record, and those equal so far.
        std::uint64_t above = 0;
        std::uint64_t equal = counted;
        for (std::size_t slice = used; slice-- > 0;) {
            const std::uint64_t bits = slices[slice][plane];
            if ((record_ >> slice & 1) != 0) {
                equal &= bits;
            } else {
                above |= equal & bits;
                equal &= ~bits;
            }
        }
        return wanted_ == CountsWanted::Most ? above | equal : counted & ~above;
    }

  private:
    CountsWanted wanted_;
    bool seen_ = false;
    std::int32_t record_ = 0;
};

// The counts of the cells of a cube's planes, bit-sliced: slice i holds bit i of every cell's
// count, so that the rays of a direction are added to all 512 cells in a few operations.
class CubeCounts {
  public:
    static constexpr std::size_t kRunSlices = std::tuple_size_v<RunLanes>;
    static CubeLanes wanted() { return kEveryLane; }

    bool add(const RunLanes& runs, const RayDirection&) {
        // The low slices take the runs with a full adder each; the carry out of them ripples on
        // only while some cell's count carries.
        CubeLanes carry{};
        for (std::size_t slice = 0; slice < runs.size(); ++slice) {
            const CubeLanes sum = slices_[slice] ^ runs[slice];
            const CubeLanes carried = (slices_[slice] & runs[slice]) | (sum & carry);
            slices_[slice] = sum ^ carry;
            carry = carried;
        }
        std::size_t slice = runs.size();
        for (; slice < kSlicesWithoutTest; ++slice) {
            const CubeLanes before = slices_[slice];
            slices_[slice] = before ^ carry;
            carry &= before;
        }
        for (; anyLane(carry); ++slice) {
            assert(slice < slices_.size());
            const CubeLanes before = slices_[slice];
            slices_[slice] = before ^ carry;
            carry &= before;
        }
        used_ = std::max(used_, slice);
        return true;
    }

    // Every cell of the cube whose first cell is `firstCell` with its count, if not 0 and if
    // `record` wants it, in index order.
    void visitSums(std::int32_t firstCell, CountRecord& record,
                   const std::function<void(const EnclosureCount&)>& visit) const {
        for (int plane = 0; plane < kCubePlanes; ++plane) {
            std::uint64_t counted = 0;
            for (std::size_t slice = 0; slice < used_; ++slice) {
                counted |= slices_[slice][plane];
            }
            if (firstCell != 0 || plane != 0) {
                counted &= record.contenders(slices_, used_, plane, counted);  // the first plane comes whole
            }
            std::array<std::int32_t, 1 << kPlaneCellShift> sums{};
            for (std::size_t slice = 0; slice < used_ && counted != 0; ++slice) {
                for (std::uint64_t set = slices_[slice][plane] & counted; set != 0; set &= set - 1) {
                    sums[static_cast<std::size_t>(std::countr_zero(set))] |= std::int32_t{1} << slice;
                }
            }
            for (; counted != 0; counted &= counted - 1) {
                const int bit = std::countr_zero(counted);
                const std::int32_t sum = sums[static_cast<std::size_t>(bit)];
                record.saw(sum);
                visit({firstCell + (plane << kPlaneCellShift) + bit, sum});
            }
        }
    }

  private:
    static constexpr std::size_t kSlicesWithoutTest = 7;
    // A cell encloses at most six stones along each of its 3^8 - 1 directions: 39,360 < 2^16.
    CountSlices slices_{};
    std::size_t used_ = 0;
};

// Which Empty cells of a cube have an enclosing ray: a plane is done when all of its have.
struct CubeLegalCells {
    static constexpr std::size_t kRunSlices = 1;  // only whether a ray closes
    CubeLanes empty{};
    CubeLanes legal{};
    CubeLanes wanted() const { return __builtin_convertvector(legal != empty, CubeLanes); }
    bool add(const RunLanes& runs, const RayDirection&) {
        legal |= enclosing(runs);
        return true;
    }
};

// Stops at the first ray.
struct AnyRay {
    static constexpr std::size_t kRunSlices = 1;
    static CubeLanes wanted() { return kEveryLane; }
    static bool add(const RunLanes&, const RayDirection&) { return false; }
};

// Every ray, a cell at a time, as seen from the stone that closes it.
template <WalkFrom from>
struct EveryRay {
    static constexpr std::size_t kRunSlices = std::tuple_size_v<RunLanes>;
    std::int32_t firstCell;  // of the cube
    const std::function<bool(const RunToEmptyCell&)>& visit;
    static CubeLanes wanted() { return kEveryLane; }
    bool add(const RunLanes& runs, const RayDirection& direction) const {
        const CubeLanes cells = enclosing(runs);
        for (int plane = 0; plane < kCubePlanes; ++plane) {
            for (std::uint64_t inPlane = cells[plane]; inPlane != 0; inPlane &= inPlane - 1) {
                const int bit = std::countr_zero(inPlane);
                int run = 0;
                for (std::size_t slice = 0; slice < runs.size(); ++slice) {
                    run |= static_cast<int>(runs[slice][plane] >> bit & 1) << slice;
                }
                const std::int32_t start = firstCell + (plane << kPlaneCellShift) + bit;
                const RunToEmptyCell ray =
                    from == WalkFrom::EmptyCells
                        ? RunToEmptyCell{start, run, std::uint64_t{0} - direction.delta, -direction.step}
                        : RunToEmptyCell{start + (run + 1) * direction.step, run, direction.delta,
                                         direction.step};
                if (!visit(ray)) {
                    return false;
                }
            }
        }
        return true;
    }
};

template <WalkFrom from>
bool anyRayFrom(int dimension, const CellPlanes& planes, CellState side) {
    AnyRay anyRay;
    for (std::int32_t cube = 0; cube < planes.cubeCount(); ++cube) {
        if (!walkRaysOfCube<from>(dimension, planes, side, cube, anyRay)) {
            return true;
        }
    }
    return false;
}

template <WalkFrom from>
bool forEachEnclosingRayFrom(const Board& board, CellState side,
                             const std::function<bool(const RunToEmptyCell&)>& visit) {
    const CellPlanes planes(board);
    for (std::int32_t cube = 0; cube < planes.cubeCount(); ++cube) {
        EveryRay<from> rays{cube << kCubeCellShift, visit};
        if (!walkRaysOfCube<from>(board.dimension(), planes, side, cube, rays)) {
            return false;
        }
    }
    return true;
}

// Where the walks for every ray start: on a board with no legal cell every walk runs until its
// rays end, so the fewer starts, the less work (most walks from a stone that touches no opposing
// stone end at the first step).
WalkFrom cheaperStart(const Board& board, CellState side) {
    return board.count(side) < board.count(CellState::Empty) ? WalkFrom::OwnStones : WalkFrom::EmptyCells;
}

// Whether `side` has an enclosing ray: the first one found ends the walk.
bool anyRay(const Board& board, const CellPlanes& planes, CellState side) {
    return cheaperStart(board, side) == WalkFrom::OwnStones
               ? anyRayFrom<WalkFrom::OwnStones>(board.dimension(), planes, side)
               : anyRayFrom<WalkFrom::EmptyCells>(board.dimension(), planes, side);
}

}  // namespace

void forEachEnclosureCountInPlanes(const Board& board, CellState side,
                                   const std::function<void(const EnclosureCount&)>& visit,
                                   CountsWanted wanted) {
    const CellPlanes planes(board);
    if (!anyRay(board, planes, side)) {
        return;  // settled by the quicker walk: no cell to count
    }
    CountRecord record(wanted);
    // Every cell's count is needed for one greedy move: from seven axes on the walk, half a
    // second's work at eight, is shared with the second core where there is one.
    const bool twoThreads =
        planes.cubeCount() >= kCubesForTwoThreads && std::thread::hardware_concurrency() > 1;
    forEachMadeInOrder<CubeCounts>(
        planes.cubeCount(), twoThreads,
        [&](std::int32_t cube, CubeCounts& counts) {
            walkRaysOfCube(board.dimension(), planes, side, cube, counts);
        },
        [&](std::int32_t cube, const CubeCounts& counts) {
            counts.visitSums(cube << kCubeCellShift, record, visit);
            return !record.settled();
        });
}

bool forEachEnclosingCellInPlanes(const Board& board, CellState side, std::int32_t from,
                                  const std::function<bool(std::int32_t)>& visit,
                                  const std::function<bool(std::int32_t)>& wantedCube) {
    const CellPlanes planes(board);
    if (!anyRay(board, planes, side)) {
        return true;  // settled by the quicker walk: no legal cell
    }
    for (std::int32_t cube = std::max(from, 0) >> kCubeCellShift; cube < planes.cubeCount(); ++cube) {
        if (wantedCube && !wantedCube(cube << kCubeCellShift)) {
            continue;
        }
        CubeLegalCells cells;
        cells.empty = ~(loadLanes(planes.planesOf(CellState::First, cube)) |
                        loadLanes(planes.planesOf(CellState::Second, cube)));
        walkRaysOfCube(board.dimension(), planes, side, cube, cells);
        for (int plane = 0; plane < kCubePlanes; ++plane) {
            for (std::uint64_t legal = cells.legal[plane]; legal != 0; legal &= legal - 1) {
                const std::int32_t cell =
                    (cube << kCubeCellShift) + (plane << kPlaneCellShift) + std::countr_zero(legal);
                if (cell >= from && !visit(cell)) {
                    return false;
                }
            }
        }
    }
    return true;
}

bool hasEnclosingCellInPlanes(const Board& board, CellState side) {
    return anyRay(board, CellPlanes(board), side);
}

bool forEachEnclosingRayInPlanes(const Board& board, CellState side,
                                 const std::function<bool(const RunToEmptyCell&)>& visit) {
    return cheaperStart(board, side) == WalkFrom::OwnStones
               ? forEachEnclosingRayFrom<WalkFrom::OwnStones>(board, side, visit)
               : forEachEnclosingRayFrom<WalkFrom::EmptyCells>(board, side, visit);
}

}  // namespace kalvenor::detail
