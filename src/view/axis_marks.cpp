#include "view/axis_marks.h"

#include <bit>

#include "engine/coordinates.h"
#include "engine/enclosure_counts.h"

namespace kalvenor {

namespace {

constexpr int kFirstTrackedAxis = 3;
constexpr int kBitsPerAxis = 3;

}  // namespace

std::vector<std::int32_t> navigationTargets(const Board& board, int guideLevel, CellState side) {
    std::vector<std::int32_t> targets;
    if (guideLevel == 0) {
        board.forEachStone([&](std::int32_t cell, CellState) { targets.push_back(cell); });
        return targets;
    }
    forEachEnclosingCell(board, side, 0, [&targets](std::int32_t cell) {
        targets.push_back(cell);
        return true;
    });
    return targets;
}

std::vector<std::uint32_t> axisMarks(std::span<const std::int32_t> targets, int dimension,
                                     std::int32_t viewOffset) {
    const int tracked = dimension - kFirstTrackedAxis;
    if (tracked <= 0) {
        return {};
    }
    std::vector<std::uint32_t> marks(static_cast<std::size_t>(tracked), 0);
    for (const std::int32_t target : targets) {
        // The first tracked axis on which the target leaves the slice on show, if any.
        const auto differing =
            static_cast<std::uint32_t>(target ^ viewOffset) >> (kBitsPerAxis * kFirstTrackedAxis);
        const int firstDifferent = differing == 0 ? tracked : std::countr_zero(differing) / kBitsPerAxis;
        for (int k = 0; k <= firstDifferent && k < tracked; ++k) {
            marks[static_cast<std::size_t>(k)] |= 1U << (coordinateOf(target, kFirstTrackedAxis + k) + 1);
        }
    }
    return marks;
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
