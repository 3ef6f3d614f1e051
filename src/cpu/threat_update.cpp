#include "cpu/threat_update.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "cpu/threat_cells.h"
#include "engine/coordinates.h"
#include "engine/neighbours.h"
#include "engine/packed_position.h"
#include "engine/ray_walk.h"

namespace kalvenor::detail {

namespace {

constexpr int kFive = 5;
constexpr int kReach = kFive - 1;

// A line through two cells, walked towards higher indices.
struct LineStep {
    std::uint64_t delta;
    std::int32_t step;
};

// The line through `from` and `to` when they lie on one, at most `reach` steps apart.
std::optional<LineStep> lineBetween(int dimension, std::int32_t from, std::int32_t to, int reach) {
    int distance = 0;
    std::array<int, kMaxDimension> offset{};
    for (int axis = 0; axis < dimension; ++axis) {
        offset[axis] = coordinateOf(to, axis) - coordinateOf(from, axis);
        const int length = std::abs(offset[axis]);
        if (length == 0) {
            continue;
        }
        if ((distance != 0 && length != distance) || length > reach) {
            return std::nullopt;
        }
        distance = length;
    }
    if (distance == 0) {
        return std::nullopt;
    }
    LineStep line{0, 0};
    for (int axis = 0; axis < dimension; ++axis) {
        const int unit = offset[axis] / distance;
        line.step += unit * (std::int32_t{1} << (3 * axis));
        line.delta += static_cast<std::uint64_t>(static_cast<std::int64_t>(unit)) << (8 * axis);
    }
    if (line.step < 0) {
        line = {std::uint64_t{0} - line.delta, -line.step};
    }
    return line;
}

// Whether a stone of `side` on the Empty `cell` makes five along `line`.
bool makesFiveAlong(const Board& board, CellState side, std::int32_t cell, const LineStep& line) {
    const PackedPosition position = packPosition(cell);
    return 1 + runLengthAlong(board, line.delta, line.step, cell, position, side, kReach) +
               runLengthAlong(board, std::uint64_t{0} - line.delta, -line.step, cell, position, side,
                              kReach) >=
           kFive;
}

// The lines through `cell` on which a stone of `side` lies within four of it: the only lines
// where five cells around `cell` can hold four of the side's stones.
std::vector<LineStep> linesToStones(int dimension, std::int32_t cell, std::span<const std::int32_t> stones) {
    std::vector<LineStep> lines;
    for (const std::int32_t stone : stones) {
        if (const std::optional<LineStep> line = lineBetween(dimension, cell, stone, kReach)) {
            lines.push_back(*line);
        }
    }
    std::sort(lines.begin(), lines.end(),
              [](const LineStep& a, const LineStep& b) { return a.step < b.step; });
    lines.erase(std::unique(lines.begin(), lines.end(),
                            [](const LineStep& a, const LineStep& b) { return a.step == b.step; }),
                lines.end());
    return lines;
}

}  // namespace

std::optional<std::vector<std::int32_t>> updatedFiveCells(const Board& board, CellState side,
                                                          std::span<const std::int32_t> changed,
                                                          const std::vector<std::int32_t>& before) {
    if (before.size() >= kMostThreatCells ||
        !neighboursFromList(static_cast<std::size_t>(board.count(side)), board.dimension())) {
        return std::nullopt;
    }
    const int dimension = board.dimension();
    std::vector<std::int32_t> stones;
    stones.reserve(static_cast<std::size_t>(board.count(side)));
    board.collectStones(side, stones);
    std::vector<std::int32_t> changedCells(changed.begin(), changed.end());
    std::sort(changedCells.begin(), changedCells.end());
    changedCells.erase(std::unique(changedCells.begin(), changedCells.end()), changedCells.end());

    const auto isFiveCell = [&](std::int32_t cell) {
        if (board[cell] != CellState::Empty) {
            return false;
        }
        const std::vector<LineStep> lines = linesToStones(dimension, cell, stones);
        return std::any_of(lines.begin(), lines.end(),
                           [&](const LineStep& line) { return makesFiveAlong(board, side, cell, line); });
    };
    const auto nearChange = [&](std::int32_t cell) {
        return std::any_of(changedCells.begin(), changedCells.end(), [&](std::int32_t changedCell) {
            return changedCell == cell || lineBetween(dimension, cell, changedCell, kReach).has_value();
        });
    };

    std::vector<std::int32_t> fives;
    // A cell away from every change keeps its answer; one near a change is asked again.
    for (const std::int32_t cell : before) {
        if (!nearChange(cell) || isFiveCell(cell)) {
            fives.push_back(cell);
        }
    }
    for (const std::int32_t cell : changedCells) {
        // An emptied cell may complete a five itself; no other cell gains one from it.
        if (board[cell] == CellState::Empty) {
            if (isFiveCell(cell)) {
                fives.push_back(cell);
            }
            continue;
        }
        if (board[cell] != side) {
            continue;  // an opposing stone only takes fives away
        }
        // A new stone of the side: the Empty cells of the five cells around it on its lines that
        // now hold four of the side's stones.
        const PackedPosition origin = packPosition(cell);
        for (const LineStep& line : linesToStones(dimension, cell, stones)) {
            for (int offset = -kReach; offset <= kReach; ++offset) {
                const std::uint64_t way = offset < 0 ? std::uint64_t{0} - line.delta : line.delta;
                PackedPosition position = origin;
                for (int k = 0; k < std::abs(offset); ++k) {
                    position += way;
                }
                const std::int32_t other = cell + offset * line.step;
                if (offset != 0 && isOnBoard(position) && board[other] == CellState::Empty &&
                    makesFiveAlong(board, side, other, line)) {
                    fives.push_back(other);
                }
            }
        }
    }
    std::sort(fives.begin(), fives.end());
    fives.erase(std::unique(fives.begin(), fives.end()), fives.end());
    if (fives.size() > kMostThreatCells) {
        fives.resize(kMostThreatCells);
    }
    return fives;
}

}  // namespace kalvenor::detail
