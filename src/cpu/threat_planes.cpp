#include "cpu/threat_planes.h"

#include <array>
#include <bit>

#include "engine/cell_planes.h"
#include "engine/neighbours.h"

namespace kalvenor::detail {

namespace {

constexpr int kFive = 5;

// The windows of five along one line direction that start in one plane: the side's stones and
// the Empty cells of each of the five planes they cross, the k-th plane holding each window's
// k-th cell.
struct WindowPlanes {
    std::array<std::uint64_t, kFive> own;
    std::array<std::uint64_t, kFive> empty;
};

// Marks in `marks` (one mask a plane) the Empty cell of every window of `planes` along in-plane
// direction `d` that holds four of the side's stones and that cell.
void markWindows(const WindowPlanes& planes, int d, std::int32_t plane, std::int32_t planeStep,
                 std::vector<std::uint64_t>& marks) {
    const auto& moves = kInPlaneDirections.moves[static_cast<std::size_t>(d)];
    // Bit s of `full`: window s's cells so far are all the side's; of `oneEmpty`: all but one,
    // which is Empty.
    std::uint64_t full = planes.own[0];
    std::uint64_t oneEmpty = planes.empty[0];
    for (std::size_t k = 1; k < kFive && (full | oneEmpty) != 0; ++k) {
        const std::uint64_t own = moves[k](planes.own[k]);
        oneEmpty = (oneEmpty & own) | (full & moves[k](planes.empty[k]));
        full &= own;
    }
    if (oneEmpty == 0) {
        return;
    }
    // Back from each window's start to its Empty cell: the opposite in-plane direction.
    const auto& back = kInPlaneDirections.moves[static_cast<std::size_t>(InPlaneDirections::kCount - 1 - d)];
    for (std::size_t k = 0; k < kFive; ++k) {
        const std::uint64_t cells = oneEmpty & moves[k](planes.empty[k]);
        if (cells != 0) {
            marks[static_cast<std::size_t>(plane + static_cast<std::int32_t>(k) * planeStep)] |=
                back[k](cells);
        }
    }
}

// The windows of every in-plane direction that start in `plane` and go on by `planeStep` planes a
// cell (zero: within the plane).
void markPlaneWindows(const CellPlanes& planes, CellState side, std::int32_t plane, std::int32_t planeStep,
                      std::vector<std::uint64_t>& marks) {
    WindowPlanes window{};
    int withoutOwn = 0;
    for (std::size_t k = 0; k < kFive; ++k) {
        const std::int32_t at = plane + static_cast<std::int32_t>(k) * planeStep;
        window.own[k] = planes.mask(side, at);
        window.empty[k] = ~(window.own[k] | planes.mask(otherSide(side), at));
        withoutOwn += window.own[k] == 0 ? 1 : 0;
    }
    // Four of a window's five cells, so four of its planes, hold the side's stones.
    if (withoutOwn > 1) {
        return;
    }
    // Each line once: within the plane, the four in-plane directions after the zero one.
    const int firstStep = planeStep == 0 ? InPlaneDirections::kZero + 1 : 0;
    for (int d = firstStep; d < InPlaneDirections::kCount; ++d) {
        markWindows(window, d, plane, planeStep, marks);
    }
}

}  // namespace

std::vector<std::int32_t> fivesOnEmptyCellsInPlanes(const Board& board, CellState side, std::size_t most) {
    const CellPlanes planes(board);
    std::vector<std::uint64_t> marks(static_cast<std::size_t>(planes.planeCount()), 0);
    for (std::int32_t plane = 0; plane < planes.planeCount(); ++plane) {
        // Each line once: towards higher planes (or within the plane), from its first plane.
        forEachNeighbourBlock(board.dimension(), 2, kFive - 1, plane << kPlaneCellShift,
                              [&](std::int32_t cellStep, std::uint64_t) {
                                  const std::int32_t planeStep = cellStep >> kPlaneCellShift;
                                  if (planeStep >= 0) {
                                      markPlaneWindows(planes, side, plane, planeStep, marks);
                                  }
                                  return true;
                              });
    }
    std::vector<std::int32_t> cells;
    for (std::int32_t plane = 0; plane < planes.planeCount(); ++plane) {
        for (std::uint64_t bits = marks[static_cast<std::size_t>(plane)]; bits != 0; bits &= bits - 1) {
            if (cells.size() == most) {
                return cells;
            }
            cells.push_back((plane << kPlaneCellShift) + std::countr_zero(bits));
        }
    }
    return cells;
}

}  // namespace kalvenor::detail
