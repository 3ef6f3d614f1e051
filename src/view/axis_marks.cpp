#include "view/axis_marks.h"

#include <algorithm>
#include <bit>
#include <utility>

#include "engine/coordinates.h"
#include "engine/enclosure_counts.h"

namespace kalvenor {

namespace {

constexpr int kFirstTrackedAxis = 3;
constexpr int kBitsPerAxis = 3;

// Calls visit(cell) for each target, in index order.
template <typename Visit>
void forEachNavigationTarget(const Board& board, int guideLevel, CellState side, const Visit& visit) {
    if (guideLevel == 0) {
        board.forEachStone([&](std::int32_t cell, CellState) { visit(cell); });
        return;
    }
    forEachEnclosingCell(board, side, 0, [&visit](std::int32_t cell) {
        visit(cell);
        return true;
    });
}

// The marks of axisMarks, filled one target at a time.
class AxisMarksBuilder {
  public:
    AxisMarksBuilder(int dimension, std::int32_t viewOffset)
        : tracked_(dimension - kFirstTrackedAxis),
          viewOffset_(viewOffset),
          marks_(static_cast<std::size_t>(std::max(tracked_, 0)), 0) {}

    void add(std::int32_t target) {
        // The first tracked axis on which the target leaves the slice on show, if any.
        const auto differing =
            static_cast<std::uint32_t>(target ^ viewOffset_) >> (kBitsPerAxis * kFirstTrackedAxis);
        const int firstDifferent = differing == 0 ? tracked_ : std::countr_zero(differing) / kBitsPerAxis;
        for (int k = 0; k <= firstDifferent && k < tracked_; ++k) {
            marks_[static_cast<std::size_t>(k)] |= 1U << (coordinateOf(target, kFirstTrackedAxis + k) + 1);
        }
    }

    std::vector<std::uint32_t> marks() && { return std::move(marks_); }

  private:
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
    forEachNavigationTarget(board, guideLevel, side, [&builder](std::int32_t cell) { builder.add(cell); });
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
