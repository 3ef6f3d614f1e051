#include "cpu/line_evaluation.h"

#include <algorithm>
#include <array>

#include "engine/coordinates.h"
#include "engine/direction_table.h"
#include "engine/line_runs.h"
#include "engine/neighbours.h"
#include "engine/ray_walk.h"

namespace kalvenor::detail {

namespace {

// Worth of a run by its length (2, 3, 4 or more) and its Empty ends (0, 1, 2). A run of four with
// an Empty end threatens five; with both ends Empty it is nearly a win.
constexpr std::array<std::array<std::int32_t, 3>, 3> kRunWorth = {{
    {0, 3, 8},
    {0, 20, 60},
    {0, 150, 600},
}};
constexpr int kFive = 5;
constexpr int kMaxLine = kAxisLength;

std::int32_t runWorth(int length, int emptyEnds) {
    return length < 2 ? 0
                      : kRunWorth[static_cast<std::size_t>(std::min(length, 4) - 2)]
                                 [static_cast<std::size_t>(emptyEnds)];
}

// The value of the runs along one line of cells (in order) for `side`, positive for its runs and
// negative for the opponent's. `five` is set when a run of `side` of five or more holds a cell
// marked in `changed`.
std::int32_t valueOfLine(std::span<const CellState> cells, std::span<const bool> changed, CellState side,
                         bool* five) {
    std::int32_t value = 0;
    const int n = static_cast<int>(cells.size());
    for (int start = 0; start < n;) {
        const CellState state = cells[start];
        int end = start + 1;
        bool holdsChanged = changed.empty() ? false : changed[start];
        while (end < n && cells[end] == state) {
            holdsChanged = holdsChanged || (!changed.empty() && changed[end]);
            ++end;
        }
        if (state != CellState::Empty) {
            const int emptyEnds = (start > 0 && cells[start - 1] == CellState::Empty ? 1 : 0) +
                                  (end < n && cells[end] == CellState::Empty ? 1 : 0);
            const std::int32_t worth = runWorth(end - start, emptyEnds);
            value += state == side ? worth : -worth;
            if (state == side && end - start >= kFive && holdsChanged && five != nullptr) {
                *five = true;
            }
        }
        start = end;
    }
    return value;
}

bool isEmptyAt(const Board& board, PackedPosition position, std::int32_t cell) {
    return isOnBoard(position) && board[cell] == CellState::Empty;
}

}  // namespace

std::int32_t lineValue(const Board& board, CellState side) {
    std::int32_t value = 0;
    forEachRunOfTwoOrMore(board, side, [&](const NeighbourPair& pair) {
        const std::uint64_t backwards = std::uint64_t{0} - pair.delta;
        const int length =
            1 + runLengthAlong(board, pair.delta, pair.step, pair.from, pair.fromPosition, side, kMaxLine);
        const int emptyEnds =
            (isEmptyAt(board, pair.fromPosition + backwards, pair.from - pair.step) ? 1 : 0) +
            (isEmptyAt(board, pair.fromPosition + static_cast<std::uint64_t>(length) * pair.delta,
                       pair.from + length * pair.step)
                 ? 1
                 : 0);
        value += runWorth(length, emptyEnds);
        return true;
    });
    return value;
}

std::int32_t positionValue(const Board& board, CellState side) {
    const CellState opponent = otherSide(side);
    return lineValue(board, side) - lineValue(board, opponent) + board.count(side) - board.count(opponent);
}

MoveProbe::MoveProbe(const Board& board, CellState side) : board_(board), side_(side) {
    const int dimension = board.dimension();
    if (neighboursFromList(
            static_cast<std::size_t>(board.count(CellState::First) + board.count(CellState::Second)),
            dimension)) {
        std::vector<std::int32_t> stones;
        std::vector<std::int32_t> own;
        board.forEachStone([&](std::int32_t cell, CellState state) {
            stones.push_back(cell);
            if (state == side) {
                own.push_back(cell);
            }
        });
        stones_.emplace(dimension, stones);
        ownStones_.emplace(dimension, own);
    }
}

bool MoveProbe::isChanged(std::int32_t cell) const {
    return changedSet_.contains(cell);
}

// Calls visit(neighbour, position) for every stone next to `cell` on the board as it stands.
template <typename Visit>
void MoveProbe::forEachStoneNeighbour(std::int32_t cell, PackedPosition position, Visit&& visit) const {
    if (stones_) {
        forEachNeighbourIn(*stones_, cell, position, visit);
        return;
    }
    const DirectionTable& table = DirectionTable::forDimension(board_.dimension());
    for (int k = 0; k < table.count(); ++k) {
        const PackedPosition next = position + table.packedDelta(k);
        const std::int32_t neighbour = cell + table.indexStep(k);
        if (k != table.zeroDirection() && isOnBoard(next) && board_[neighbour] != CellState::Empty) {
            visit(neighbour, next);
        }
    }
}

template <typename Visit>
void MoveProbe::forEachOwnNeighbour(std::int32_t cell, PackedPosition position, Visit&& visit) const {
    if (ownStones_) {
        forEachNeighbourIn(*ownStones_, cell, position, visit);
        return;
    }
    forEachStoneNeighbour(cell, position, [&](std::int32_t neighbour, PackedPosition at) {
        if (board_[neighbour] == side_) {
            visit(neighbour, at);
        }
    });
}

template <typename Visit>
void MoveProbe::forEachNeighbourIn(const NeighbourIndex& list, std::int32_t cell, PackedPosition position,
                                   Visit&& visit) {
    list.forEachNeighbourOf(cell, position, [&](std::uint32_t i) {
        visit(list.cells()[i], list.positions()[i]);
        return true;
    });
}

void MoveProbe::addLine(std::int32_t cell, PackedPosition position, std::uint64_t delta, std::int32_t step) {
    if (step < 0) {
        delta = std::uint64_t{0} - delta;
        step = -step;
    }
    // Walk back to where the line enters the board: that cell and the direction name the line.
    const std::uint64_t backwards = std::uint64_t{0} - delta;
    while (isOnBoard(position + backwards)) {
        position += backwards;
        cell -= step;
    }
    lines_.push_back({cell, position, delta, step});
}

void MoveProbe::markChanged(const CandidateMove& move, std::span<const EnclosingRay> rays) {
    changed_.clear();
    changedPositions_.clear();
    const PackedPosition origin = packPosition(move.cell);
    changed_.push_back(move.cell);
    changedPositions_.push_back(origin);
    for (const EnclosingRay& ray : rays) {
        PackedPosition position = origin;
        std::int32_t cell = move.cell;
        for (std::int32_t s = 0; s < ray.run; ++s) {
            position += ray.delta;
            cell += ray.step;
            changed_.push_back(cell);
            changedPositions_.push_back(position);
        }
    }
    for (const std::int32_t cell : changed_) {
        changedSet_.insert(cell);
    }
    const auto changed = static_cast<std::int64_t>(changed_.size());
    work_ += changed + changed * (changed - 1) / 2;
}

void MoveProbe::clearChanged() {
    changedSet_.clear();
}

int MoveProbe::runThrough(std::int32_t cell, PackedPosition position, std::uint64_t delta,
                          std::int32_t step) const {
    int length = 1;
    for (const int sign : {1, -1}) {
        const std::uint64_t way = sign > 0 ? delta : std::uint64_t{0} - delta;
        PackedPosition next = position + way;
        std::int32_t current = cell + sign * step;
        while (isOnBoard(next) && isSideAfter(current)) {
            ++length;
            next += way;
            current += sign * step;
        }
    }
    return length;
}

bool MoveProbe::makesFive(const CandidateMove& move, std::span<const EnclosingRay> rays) {
    markChanged(move, rays);
    bool five = false;
    for (std::size_t i = 0; i < changed_.size() && !five; ++i) {
        const std::int32_t cell = changed_[i];
        const PackedPosition position = changedPositions_[i];
        // A run of five through the cell goes on in a stone of the side's beside it, or in another
        // changed cell (below).
        forEachOwnNeighbour(cell, position, [&](std::int32_t neighbour, PackedPosition at) {
            if (!five) {
                ++work_;
                five = runThrough(cell, position, at - position, neighbour - cell) >= kFive;
            }
        });
        for (std::size_t j = i + 1; j < changed_.size() && !five; ++j) {
            if (isWithinOneStep(position, changedPositions_[j])) {
                five =
                    runThrough(cell, position, changedPositions_[j] - position, changed_[j] - cell) >= kFive;
            }
        }
    }
    clearChanged();
    return five;
}

MoveProbe::Effect MoveProbe::probe(const CandidateMove& move, std::span<const EnclosingRay> rays) {
    lines_.clear();
    markChanged(move, rays);
    // Only lines through a changed cell change their value, and of those only the ones where the
    // cell has a stone beside it (before the move or after it) hold a run of two or more.
    for (std::size_t i = 0; i < changed_.size(); ++i) {
        const std::int32_t cell = changed_[i];
        const PackedPosition position = changedPositions_[i];
        forEachStoneNeighbour(cell, position, [&](std::int32_t neighbour, PackedPosition at) {
            addLine(cell, position, at - position, neighbour - cell);
        });
        for (std::size_t j = i + 1; j < changed_.size(); ++j) {
            if (isWithinOneStep(position, changedPositions_[j])) {
                addLine(cell, position, changedPositions_[j] - position, changed_[j] - cell);
            }
        }
    }
    work_ += static_cast<std::int64_t>(lines_.size());
    // Two changed cells on one line, or a cell with stones on both sides, name a line twice.
    std::sort(lines_.begin(), lines_.end(), [](const Line& a, const Line& b) {
        return a.first != b.first ? a.first < b.first : a.step < b.step;
    });
    lines_.erase(std::unique(lines_.begin(), lines_.end()), lines_.end());
    Effect effect;
    std::array<CellState, kMaxLine> before{};
    std::array<CellState, kMaxLine> after{};
    std::array<bool, kMaxLine> changedAt{};
    for (const Line& line : lines_) {
        std::size_t length = 0;
        PackedPosition position = line.firstPosition;
        for (std::int32_t cell = line.first; isOnBoard(position); cell += line.step, position += line.delta) {
            before[length] = board_[cell];
            changedAt[length] = isChanged(cell);
            after[length] = changedAt[length] ? side_ : before[length];
            ++length;
        }
        effect.gain += valueOfLine(std::span(after).first(length), std::span(changedAt).first(length), side_,
                                   &effect.five) -
                       valueOfLine(std::span(before).first(length), {}, side_, nullptr);
    }
    clearChanged();
    effect.gain += 1 + 2 * move.enclosed;
    return effect;
}

}  // namespace kalvenor::detail
