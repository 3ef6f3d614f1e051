#include "engine/five.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cstring>

#include "engine/cell_planes.h"
#include "engine/coordinates.h"
#include "engine/direction_table.h"
#include "engine/line_runs.h"
#include "engine/neighbours.h"
#include "engine/packed_position.h"
#include "engine/ray_walk.h"

namespace kalvenor {

namespace {

constexpr int kFive = 5;

[[maybe_unused]] bool isSide(CellState side) {
    return side == CellState::First || side == CellState::Second;
}

// True when `cell` (holding side) lies in a run of five or more stones of side along the line of
// the direction with packed delta `delta` and index step `step` (walked both ways).
bool liesInFive(const Board& board, std::int32_t cell, PackedPosition from, std::uint64_t delta,
                std::int32_t step, CellState side) {
    const int ahead = detail::runLengthAlong(board, delta, step, cell, from, side, kFive - 1);
    const int behind =
        detail::runLengthAlong(board, std::uint64_t{0} - delta, -step, cell, from, side, kFive - 1 - ahead);
    return 1 + ahead + behind >= kFive;
}

// The cells of plane `plane` where a line of five stones of `side` begins: each plane of 8 × 8
// cells against the four planes after it along every plane offset that stays on the board, all
// 64 starting cells and one in-plane step at a time. Each line once: offsets towards higher
// planes with all nine in-plane steps, and within the plane the four steps after the zero one,
// so that the line goes on from its first cell towards higher cells. With `anyWillDo`, the first
// cells of the first line found only.
std::uint64_t fiveStartsInPlane(const detail::CellPlanes& planes, int dimension, std::int32_t plane,
                                CellState side, bool anyWillDo) {
    const auto& moves = detail::kInPlaneDirections.moves;
    const std::uint64_t first = planes.mask(side, plane);
    if (first == 0) {
        return 0;
    }
    std::uint64_t found = 0;
    detail::forEachNeighbourBlock(
        dimension, 2, kFive - 1, plane << detail::kPlaneCellShift, [&](std::int32_t cellStep, std::uint64_t) {
            const std::int32_t planeStep = cellStep >> detail::kPlaneCellShift;
            if (planeStep < 0) {
                return true;
            }
            std::array<std::uint64_t, kFive> line{first};
            for (std::size_t k = 1; k < line.size(); ++k) {
                line[k] = planes.mask(side, plane + static_cast<std::int32_t>(k) * planeStep);
                if (line[k] == 0) {
                    return true;
                }
            }
            const int firstStep = planeStep == 0 ? detail::InPlaneDirections::kZero + 1 : 0;
            for (int d = firstStep; d < detail::InPlaneDirections::kCount; ++d) {
                std::uint64_t starts = first;
                for (std::size_t k = 1; k < line.size() && starts != 0; ++k) {
                    starts &= moves[static_cast<std::size_t>(d)][k](line[k]);
                }
                found |= starts;
            }
            return found == 0 || !anyWillDo;
        });
    return found;
}

// The whole-board search for a board with many stones, plane by plane.
bool hasFiveInPlanes(const Board& board, CellState side) {
    const detail::CellPlanes planes(board);
    for (std::int32_t plane = 0; plane < planes.planeCount(); ++plane) {
        if (fiveStartsInPlane(planes, board.dimension(), plane, side, true) != 0) {
            return true;
        }
    }
    return false;
}

// The lowest cell where a line of five stones of `side` begins, towards higher cells; -1 when
// there is none. No stone of `side` lies just before it on such a line, or that stone would be
// a lower one.
std::int32_t firstFiveStart(const Board& board, CellState side) {
    const detail::CellPlanes planes(board);
    for (std::int32_t plane = 0; plane < planes.planeCount(); ++plane) {
        if (const std::uint64_t starts = fiveStartsInPlane(planes, board.dimension(), plane, side, false);
            starts != 0) {
            return (plane << detail::kPlaneCellShift) + std::countr_zero(starts);
        }
    }
    return -1;
}

}  // namespace

bool hasFiveFrom(const Board& board, std::int32_t cell, CellState side) {
    assert(cell >= 0 && cell < board.cellCount());
    assert(isSide(side));
    if (cell < 0 || cell >= board.cellCount()) {
        return false;
    }
    const DirectionTable& table = DirectionTable::forDimension(board.dimension());
    const PackedPosition from = packPosition(cell);
    const int zero = table.zeroDirection();
    for (int k = 0; k < table.count(); ++k) {
        if (k != zero && detail::runLengthAlong(board, table.packedDelta(k), table.indexStep(k), cell, from,
                                                side, kFive) == kFive) {
            return true;
        }
    }
    return false;
}

bool hasFiveAnywhere(const Board& board, CellState side) {
    assert(isSide(side));
    if (board.count(side) < kFive) {
        return false;
    }
    if (!detail::neighboursFromList(static_cast<std::size_t>(board.count(side)), board.dimension())) {
        return hasFiveInPlanes(board, side);
    }
    bool found = false;
    // Few stones: the runs are found from pairs of them.
    detail::forEachRunOfTwoOrMore(board, side, [&](const detail::NeighbourPair& pair) {
        found = detail::runLengthAlong(board, pair.delta, pair.step, pair.from, pair.fromPosition, side,
                                       kFive - 1) == kFive - 1;
        return !found;
    });
    return found;
}

bool hasFiveThrough(const Board& board, std::span<const std::int32_t> changedCells, CellState side) {
    assert(isSide(side));
    if (board.count(side) < kFive) {
        return false;
    }
    std::vector<std::int32_t> changed;
    for (const std::int32_t cell : changedCells) {
        assert(cell >= 0 && cell < board.cellCount());
        if (cell >= 0 && cell < board.cellCount() && board[cell] == side) {
            changed.push_back(cell);
        }
    }
    const DirectionTable& table = DirectionTable::forDimension(board.dimension());
    const std::size_t stones = static_cast<std::size_t>(board.count(side));
    // A run through a changed cell continues in a neighbouring stone of the side: find those from
    // the list of the side's stones when listing them (about 32 probes' worth per stone, measured)
    // is cheaper than looking along every direction from every changed cell.
    constexpr std::size_t kListingCostPerStone = 32;
    if (detail::neighboursFromList(stones, board.dimension()) &&
        stones * kListingCostPerStone < changed.size() * static_cast<std::size_t>(table.count() - 1)) {
        std::vector<std::int32_t> own;
        own.reserve(stones);
        board.collectStones(side, own);
        bool found = false;
        detail::forEachNeighbourInList(
            board.dimension(), changed, own, [&](const detail::NeighbourPair& pair) {
                found = liesInFive(board, pair.from, pair.fromPosition, pair.delta, pair.step, side);
                return !found;
            });
        return found;
    }
    const int zero = table.zeroDirection();
    for (const std::int32_t cell : changed) {
        const PackedPosition from = packPosition(cell);
        for (int k = zero + 1; k < table.count(); ++k) {
            if (liesInFive(board, cell, from, table.packedDelta(k), table.indexStep(k), side)) {
                return true;
            }
        }
    }
    return false;
}

bool isBoardFull(const Board& board) {
    return board.count(CellState::Empty) == 0;
}

std::int32_t countStones(const Board& board, CellState side) {
    return board.count(side);
}

std::vector<std::int32_t> fiveCells(const Board& board, CellState side) {
    const int dimension = board.dimension();
    const DirectionTable& directions = DirectionTable::forDimension(dimension);
    // The neighbour of `cell` along direction k, or -1 off the board.
    const auto step = [&](std::int32_t cell, int k) -> std::int32_t {
        for (int axis = 0; axis < dimension; ++axis) {
            const int coordinate = coordinateOf(cell, axis) + directions.component(k, axis);
            if (coordinate < 0 || coordinate >= kAxisLength) {
                return -1;
            }
        }
        return cell + directions.indexStep(k);
    };
    std::vector<std::int32_t> line;
    // The first run of five or more that begins at `start`, in the order of the directions.
    const auto lineFrom = [&](std::int32_t start) {
        // Each line once: the positive half of the directions, from the stone that begins the run.
        for (int k = directions.zeroDirection() + 1; k < directions.count(); ++k) {
            const std::int32_t before = step(start, directions.count() - 1 - k);
            if (before >= 0 && board[before] == side) {
                continue;
            }
            line.clear();
            for (std::int32_t cell = start; cell >= 0 && board[cell] == side; cell = step(cell, k)) {
                line.push_back(cell);
            }
            if (line.size() >= static_cast<std::size_t>(kFive)) {
                return true;
            }
        }
        line.clear();
        return false;
    };
    std::vector<std::int32_t> stones;
    if (board.count(side) >= kFive &&
        !detail::neighboursFromList(static_cast<std::size_t>(board.count(side)), dimension)) {
        // Millions of stones times thousands of directions: the planes find the stone first.
        if (const std::int32_t start = firstFiveStart(board, side); start >= 0 && lineFrom(start)) {
            return line;
        }
        return {};
    }
    board.collectStones(side, stones);
    for (const std::int32_t start : stones) {
        if (lineFrom(start)) {
            return line;
        }
    }
    return {};
}

}  // namespace kalvenor
