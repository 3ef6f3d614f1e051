#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/board.h"
#include "engine/cell_state.h"

namespace kalvenor::detail {

// The board as planes of 8 × 8 cells along axes 0 and 1, one bit a cell: cell x + 8y of plane p
// (the cell 64p + x + 8y) is bit x + 8y of the plane's mask. A ray's cells in one plane then move
// together: 64 cells are tested with a shift, a mask and an AND.
inline constexpr int kPlaneCellShift = 6;
// Eight planes along axis 2 make a cube of 512 cells (one plane on two axes).
inline constexpr int kCubePlaneShift = 3;
inline constexpr int kCubePlanes = 8;

// Where the stones of each side stand, one mask a plane: each cube's eight planes of one side
// lie side by side, so that the eight can be read as one vector, between eight empty planes on
// either side, so that a walk along axis 2 from any plane of a cube may read up to eight planes
// away without a test: 12 MiB at eight axes.
class CellPlanes {
  public:
    // The words from a cube's planes of one side to the same planes of the next cube.
    static constexpr std::ptrdiff_t kCubeStride = 2 * 3 * kCubePlanes;

    explicit CellPlanes(const Board& board);

    std::int32_t planeCount() const { return planeCount_; }
    std::int32_t cubeCount() const { return (planeCount_ + kCubePlanes - 1) >> kCubePlaneShift; }
    // The mask of `plane` for First or Second.
    std::uint64_t mask(CellState side, std::int32_t plane) const {
        return planesOf(side, plane >> kCubePlaneShift)[plane & (kCubePlanes - 1)];
    }
    // The masks of the planes of `cube` for First or Second, its first plane's at [0]. Planes -8
    // to 15 may be read; those beyond the cube are empty (as are those of a board of two axes
    // beyond its one plane).
    const std::uint64_t* planesOf(CellState side, std::int32_t cube) const {
        return masks_.data() + static_cast<std::ptrdiff_t>(cube) * kCubeStride + sideOffset(side);
    }

    // Whether any plane of `cube` holds a stone of First or Second.
    bool cubeHolds(CellState side, std::int32_t cube) const {
        return (cubeSides_[static_cast<std::size_t>(cube)] & sideBit(side)) != 0;
    }

  private:
    static std::ptrdiff_t sideOffset(CellState side) {
        return (side == CellState::First ? 0 : 3 * kCubePlanes) + kCubePlanes;
    }
    static std::uint8_t sideBit(CellState side) { return side == CellState::First ? 1 : 2; }

    std::int32_t planeCount_;
    std::vector<std::uint64_t> masks_;
    std::vector<std::uint8_t> cubeSides_;  // sideBit(side) set when the cube holds a stone of it
};

// One move of every cell of a plane's mask by (dx, dy): the result's cell (x, y) is the mask's cell
// (x + dx, y + dy), clear where that lies off the plane.
class InPlaneMove {
  public:
    constexpr InPlaneMove() = default;
    constexpr InPlaneMove(int dx, int dy) {
        if (dx <= -8 || dx >= 8 || dy <= -8 || dy >= 8) {
            return;  // every cell's source is off the plane
        }
        shift_ = dx + 8 * dy;
        std::uint64_t column = 0;
        for (int x = 0; x < 8; ++x) {
            if (x + dx >= 0 && x + dx < 8) {
                column |= std::uint64_t{1} << x;
            }
        }
        keep_ = column * 0x0101010101010101ULL;
    }

    // Masks: one plane's std::uint64_t, or a vector of them.
    template <typename Masks>
    constexpr Masks operator()(const Masks& mask) const {
        return (shift_ >= 0 ? mask >> shift_ : mask << -shift_) & keep_;
    }

  private:
    int shift_ = 0;
    std::uint64_t keep_ = 0;
};

// The nine in-plane directions (dx, dy), the zero one fourth in the middle, with their moves by
// 0 to 8 steps (eight steps leave the plane unless the direction is the zero one).
struct InPlaneDirections {
    static constexpr int kCount = 9;
    static constexpr int kZero = 4;
    static constexpr int kLongestMove = 8;
    std::array<std::array<InPlaneMove, kLongestMove + 1>, kCount> moves;

    constexpr InPlaneDirections() {
        for (int d = 0; d < kCount; ++d) {
            for (int k = 0; k <= kLongestMove; ++k) {
                moves[d][k] = InPlaneMove((d % 3 - 1) * k, (d / 3 - 1) * k);
            }
        }
    }
};

inline constexpr InPlaneDirections kInPlaneDirections{};

}  // namespace kalvenor::detail
