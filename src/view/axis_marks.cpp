#include "view/axis_marks.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <utility>

#include "engine/coordinates.h"
#include "engine/enclosure_counts.h"

namespace kalvenor {

namespace {

constexpr int kFirstTrackedAxis = 3;
constexpr int kBitsPerAxis = 3;

// The cells of a block of 512 share their tracked coordinates.
constexpr std::int32_t kBlockCells = std::int32_t{1} << (kBitsPerAxis * kFirstTrackedAxis);

// Calls visit(cell) for each target, in index order. With `wantedBlock`, the targets of a block
// of 512 cells may be left out when wantedBlock(its first cell) is false.
template <typename Visit>
void forEachNavigationTarget(const Board& board, int guideLevel, CellState side, const Visit& visit,
                             const std::function<bool(std::int32_t)>& wantedBlock = {}) {
    if (guideLevel == 0) {
        board.forEachStone([&](std::int32_t cell, CellState) {
            if (!wantedBlock || wantedBlock(cell & -kBlockCells)) {
                visit(cell);
            }
        });
        return;
    }
    forEachEnclosingCell(
        board, side, 0,
        [&visit](std::int32_t cell) {
            visit(cell);
            return true;
        },
        wantedBlock);
}

// The marks of axisMarks, filled one target at a time.
class AxisMarksBuilder {
  public:
    AxisMarksBuilder(int dimension, std::int32_t viewOffset)
        : tracked_(dimension - kFirstTrackedAxis),
          viewOffset_(viewOffset),
          marks_(static_cast<std::size_t>(std::max(tracked_, 0)), 0) {}

    void add(std::int32_t target) {
        for (int k = 0; k <= firstDifferent(target) && k < tracked_; ++k) {
            marks_[static_cast<std::size_t>(k)] |= 1U << (coordinateOf(target, kFirstTrackedAxis + k) + 1);
        }
    }

    // Whether a target that shares its tracked coordinates with `cell` could add a mark: once a
    // track bar's eight positions are marked, the targets that would only mark it again are
    // not needed.
    bool couldMark(std::int32_t cell) const {
        for (int k = 0; k <= firstDifferent(cell) && k < tracked_; ++k) {
            if (marks_[static_cast<std::size_t>(k)] != kEveryPosition) {
                return true;
            }
        }
        return false;
    }

    std::vector<std::uint32_t> marks() && { return std::move(marks_); }

  private:
    static constexpr std::uint32_t kEveryPosition = 0x1FE;  // positions 1 to 8

    // The first tracked axis on which `cell` leaves the slice on show; tracked_ when none.
    int firstDifferent(std::int32_t cell) const {
        const auto differing =
            static_cast<std::uint32_t>(cell ^ viewOffset_) >> (kBitsPerAxis * kFirstTrackedAxis);
        return differing == 0 ? tracked_ : std::countr_zero(differing) / kBitsPerAxis;
    }

    int tracked_;
    std::int32_t viewOffset_;
    std::vector<std::uint32_t> marks_;
};

}  // namespace

std::vector<std::int32_t> navigationTargets(const Board& board, int guideLevel, CellState side) {
    std::vector<std::int32_t> targets;
    forEachNavigationTarget(board, guideLevel, side,
                            [&targets](std::int32_t cell) { targets.push_back(cell); });
    return targets;
}

std::vector<std::uint32_t> axisMarks(std::span<const std::int32_t> targets, int dimension,
                                     std::int32_t viewOffset) {
    AxisMarksBuilder builder(dimension, viewOffset);
    for (const std::int32_t target : targets) {
        builder.add(target);
    }
    return std::move(builder).marks();
}

std::vector<std::uint32_t> navigationMarks(const Board& board, int guideLevel, CellState side,
                                           std::int32_t viewOffset) {
    if (board.dimension() <= kFirstTrackedAxis) {
        return {};
    }
    AxisMarksBuilder builder(board.dimension(), viewOffset);
    // A block that could add no mark is left unwalked.
    forEachNavigationTarget(
        board, guideLevel, side, [&builder](std::int32_t cell) { builder.add(cell); },
        [&builder](std::int32_t blockStart) { return builder.couldMark(blockStart); });
    return std::move(builder).marks();
}

std::optional<int> nextMarkedPosition(std::uint32_t marks, int current) {
    for (int step = 1; step <= 8; ++step) {
        const int position = (current - 1 + step) % 8 + 1;
        if ((marks & (1U << position)) != 0) {
            return position;
        }
    }
    return std::nullopt;
}

}  // namespace kalvenor
