#include "engine/cell_planes.h"

#include "engine/row_lanes.h"

namespace kalvenor::detail {

namespace {

// The lanes of a row (cell x as bit 8x) as eight bits (cell x as bit x): each lane's bit lands in
// the top byte of the product and no two partial products meet there.
std::uint8_t gatherLanes(std::uint64_t lanes) {
    return static_cast<std::uint8_t>((lanes * 0x0102040810204080ULL) >> 56);
}

}  // namespace

CellPlanes::CellPlanes(const Board& board)
    : planeCount_(board.cellCount() >> kPlaneCellShift),
      masks_(static_cast<std::size_t>(cubeCount() * kCubeStride), 0),
      cubeSides_(static_cast<std::size_t>(cubeCount()), 0) {
    const std::uint8_t* cells = board.bytes().data();
    for (std::int32_t plane = 0; plane < planeCount_; ++plane) {
        std::uint64_t first = 0;
        std::uint64_t second = 0;
        for (int y = 0; y < 8; ++y) {
            const std::uint64_t word = rowWord(cells, (plane << kPlaneCellShift) + 8 * y);
            if (word == 0) {
                continue;
            }
            first |= std::uint64_t{gatherLanes(lanesHolding(word, CellState::First))} << (8 * y);
            second |= std::uint64_t{gatherLanes(lanesHolding(word, CellState::Second))} << (8 * y);
        }
        const std::int32_t cube = plane >> kCubePlaneShift;
        const std::ptrdiff_t inCube = plane & (kCubePlanes - 1);
        masks_[static_cast<std::size_t>(planesOf(CellState::First, cube) - masks_.data() + inCube)] = first;
        masks_[static_cast<std::size_t>(planesOf(CellState::Second, cube) - masks_.data() + inCube)] = second;
        cubeSides_[static_cast<std::size_t>(cube)] |= static_cast<std::uint8_t>(
            (first != 0 ? sideBit(CellState::First) : 0) | (second != 0 ? sideBit(CellState::Second) : 0));
    }
}

}  // namespace kalvenor::detail
