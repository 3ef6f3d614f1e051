// The strong level: a searching player for the enclosure game with five in a row.
//
// Design. Iterative deepening negamax with alpha-beta on the game's own board, with an exact
// five check wherever a move is weighed:
//  - Moves come with their enclosing rays (collectCandidateMoves), so a move is played by turning
//    exactly those stones and taken back exactly (SearchBoard); the board is never copied.
//  - Before a move is played it is probed (MoveProbe): whether it makes five, also through the
//    stones it turns, and how it changes the static value, reading only the lines through the
//    cells it changes. A node whose side has a five in one is won without a search below it.
//  - At the root every legal cell is probed first: a five this move is never missed. A depth of
//    two sees every five the opponent could answer with, so the search blocks one where a move
//    can (taking the cell, turning the stones of the line, or leaving the cell without a ray).
//  - Static value: the lines of both sides (runs of two to four stones by their length and open
//    ends) and the stone difference; a leaf's value is its parent's plus the probed change.
//  - Move order: the transposition table's move, two killers per ply, then the largest gain. The
//    root orders by the previous iteration; a cut-short iteration still counts for the moves it
//    finished, the previous best among them.
//  - On large boards (six or more axes) the budget rarely reaches depth two; then the chosen move
//    is checked against every five the opponent could answer with, and if it allows one the
//    threatened cells and the next best moves are tried until one holds, on a budget of its own
//    (safeMove).
//  - The effort is a node budget (moves listed, probed and played) and a work budget (what the
//    probes read: a move that turns hundreds of stones costs far more than one node), never wall
//    time: the same position gives the same move on every machine. The root's probes have a node
//    budget of their own, a multiple of the search's; a board so dense with stones that a side's
//    moves or their probes exceed it, or their rays exceed kMostCandidateRays, is beyond any
//    search: there the strong level plays the move that encloses the most, as the classic
//    computer does, and the hint shows that move.

#include "cpu/strong_player.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <limits>
#include <span>
#include <vector>

#include "cpu/candidate_moves.h"
#include "cpu/line_evaluation.h"
#include "cpu/move_choice.h"
#include "cpu/search_board.h"

namespace kalvenor {

namespace {

constexpr std::int32_t kInfinity = std::numeric_limits<std::int32_t>::max() / 2;
// Scores beyond this are a five within the search: kWinScore less the plies to it.
constexpr std::int32_t kWinBound = kWinScore - 1000;
constexpr std::int32_t kDrawScore = 0;
constexpr int kMaxPly = 128;
// The root probes every legal cell for a five before the search; far more cells than an ordinary
// game ever offers, but bounded, so that a dense board's millions of cells cost no more.
constexpr std::int64_t kRootProbesPerNode = 16;

struct Aborted {};

enum class Bound : std::uint8_t { Exact, Lower, Upper };

struct TableEntry {
    std::uint64_t key = 0;
    std::int32_t bestCell = -1;
    std::int32_t score = 0;
    std::int16_t depth = -1;
    Bound bound = Bound::Exact;
};

// Win scores are stored relative to the position, so that they stay true at another ply.
std::int32_t toTable(std::int32_t score, int ply) {
    return score > kWinBound ? score + ply : score < -kWinBound ? score - ply : score;
}
std::int32_t fromTable(std::int32_t score, int ply) {
    return score > kWinBound ? score - ply : score < -kWinBound ? score + ply : score;
}

class Search {
  public:
    Search(Board& board, const SearchLimits& limits)
        : board_(board), limits_(limits), budget_(limits.nodeBudget), table_(std::size_t{1} << kTableBits) {}

    SearchOutcome run(CellState side);

  private:
    static constexpr int kTableBits = 16;

    // Score of the position for `side` to move; `value` is its static value for `side`.
    std::int32_t negamax(int depth, std::int32_t alpha, std::int32_t beta, int ply, CellState side,
                         bool previousPassed, std::int32_t value);
    // Probes every move of `list` into `effects`; the index of a move that makes five, or -1.
    // The table move and the killers go first: they are the likeliest fives.
    std::ptrdiff_t probeMoves(const detail::CandidateList& list, CellState side, std::int32_t tableMove,
                              int ply, std::vector<detail::MoveProbe::Effect>& effects);
    // Move indices of `list`: the table move, the killers, then the largest gain first.
    void orderMoves(const detail::CandidateList& list, const std::vector<detail::MoveProbe::Effect>& effects,
                    std::int32_t tableMove, int ply, std::vector<std::size_t>& order) const;
    void countNodes(std::int64_t count);
    // Charges what `probe` read since it was last charged.
    void countWork(detail::MoveProbe& probe);
    // The cells where `side` makes five at once on the board as it stands; with `firstOnly` the
    // search stops at the first. `likely` cells are tried first.
    std::vector<std::int32_t> fivesInOne(CellState side, std::span<const std::int32_t> likely,
                                         bool firstOnly);
    // When the search did not look at the opponent's replies: a move after which the opponent
    // has no five at once, the threatened cells first, then the others in the order given.
    std::int32_t safeMove(CellState side, const detail::CandidateList& list,
                          std::span<const std::size_t> order);
    std::uint64_t keyOf(CellState side) const {
        return board_.hash() ^ (side == CellState::First ? 0x5851F42D4C957F2DULL : 0);
    }
    TableEntry& entryFor(std::uint64_t key) { return table_[key & (table_.size() - 1)]; }
    void rememberKiller(int ply, std::int32_t cell);
    // Whether a move that makes no five ends the game as a draw: it fills the board.
    bool fillsBoard() const { return board_.board().count(CellState::Empty) == 1; }

    struct Ply {
        detail::CandidateList list;
        std::vector<detail::MoveProbe::Effect> effects;
        std::vector<std::size_t> order;
    };

    detail::SearchBoard board_;
    SearchLimits limits_;
    std::int64_t budget_;  // the nodes allowed while budgetApplies_
    std::int64_t nodes_ = 0;
    bool budgetApplies_ = false;
    std::int64_t work_ = 0;  // charged to limits_.workBudget, whenever it is set
    std::vector<TableEntry> table_;
    std::array<std::array<std::int32_t, 2>, kMaxPly> killers_{};
    std::vector<Ply> plies_ = std::vector<Ply>(kMaxPly);
};

void Search::countNodes(std::int64_t count) {
    nodes_ += count;
    if (budgetApplies_ && nodes_ > budget_) {
        throw Aborted{};
    }
}

void Search::countWork(detail::MoveProbe& probe) {
    work_ += probe.takeWork();
    if (limits_.workBudget > 0 && work_ > limits_.workBudget) {
        throw Aborted{};
    }
}

void Search::rememberKiller(int ply, std::int32_t cell) {
    auto& killers = killers_[static_cast<std::size_t>(ply)];
    if (killers[0] != cell) {
        killers[1] = killers[0];
        killers[0] = cell;
    }
}

std::vector<std::int32_t> Search::fivesInOne(CellState side, std::span<const std::int32_t> likely,
                                             bool firstOnly) {
    detail::CandidateList& list = plies_.back().list;
    if (!collectCandidateMoves(board_.board(), side, list)) {
        throw Aborted{};
    }
    countNodes(static_cast<std::int64_t>(list.moves.size()));
    detail::MoveProbe probe(board_.board(), side);
    std::vector<std::int32_t> fives;
    std::vector<bool> tried(list.moves.size(), false);
    const auto tryMove = [&](std::size_t i) {
        tried[i] = true;
        countNodes(1);
        const bool five = probe.makesFive(list.moves[i], list.raysOf(list.moves[i]));
        countWork(probe);
        if (five) {
            fives.push_back(list.moves[i].cell);
        }
        return firstOnly && !fives.empty();
    };
    for (const std::int32_t cell : likely) {
        const auto found =
            std::lower_bound(list.moves.begin(), list.moves.end(), cell,
                             [](const detail::CandidateMove& move, std::int32_t c) { return move.cell < c; });
        if (found != list.moves.end() && found->cell == cell &&
            tryMove(static_cast<std::size_t>(found - list.moves.begin()))) {
            return fives;
        }
    }
    for (std::size_t i = 0; i < list.moves.size(); ++i) {
        if (!tried[i] && tryMove(i)) {
            return fives;
        }
    }
    return fives;
}

std::int32_t Search::safeMove(CellState side, const detail::CandidateList& list,
                              std::span<const std::size_t> order) {
    const CellState opponent = otherSide(side);
    // A budget of its own for the whole check: each move tried costs about two lists of legal
    // cells, and late in a large game the first safe move may lie a hundred moves down the order.
    nodes_ = 0;
    budget_ = limits_.safetyBudget > 0 ? limits_.safetyBudget : kRootProbesPerNode * limits_.nodeBudget;
    budgetApplies_ = true;
    try {
        const std::vector<std::int32_t> threats = fivesInOne(opponent, {}, false);
        std::vector<std::size_t> candidates;
        candidates.push_back(order.front());
        for (const std::size_t i : order) {
            if (std::find(threats.begin(), threats.end(), list.moves[i].cell) != threats.end()) {
                candidates.push_back(i);
            }
        }
        candidates.insert(candidates.end(), order.begin() + 1, order.end());
        for (const std::size_t i : candidates) {
            const detail::CandidateMove& move = list.moves[i];
            board_.play(move, list.raysOf(move), side);
            const bool answered = !fivesInOne(opponent, threats, true).empty();
            board_.undo();
            if (!answered) {
                return move.cell;
            }
        }
    } catch (const Aborted&) {
        board_.undoAll();
    }
    // Every move tried loses at once, or the budget ran out: keep the search's own choice.
    return list.moves[order.front()].cell;
}

std::ptrdiff_t Search::probeMoves(const detail::CandidateList& list, CellState side, std::int32_t tableMove,
                                  int ply, std::vector<detail::MoveProbe::Effect>& effects) {
    detail::MoveProbe probe(board_.board(), side);
    effects.assign(list.moves.size(), {});
    std::vector<bool> probed(list.moves.size(), false);
    const auto& killers = killers_[static_cast<std::size_t>(ply)];
    for (const std::int32_t likely : {tableMove, killers[0], killers[1]}) {
        for (std::size_t i = 0; i < list.moves.size(); ++i) {
            if (list.moves[i].cell == likely && !probed[i]) {
                countNodes(1);
                probed[i] = true;
                effects[i] = probe.probe(list.moves[i], list.raysOf(list.moves[i]));
                countWork(probe);
                if (effects[i].five) {
                    return static_cast<std::ptrdiff_t>(i);
                }
            }
        }
    }
    for (std::size_t i = 0; i < list.moves.size(); ++i) {
        if (!probed[i]) {
            countNodes(1);
            effects[i] = probe.probe(list.moves[i], list.raysOf(list.moves[i]));
            countWork(probe);
            if (effects[i].five) {
                return static_cast<std::ptrdiff_t>(i);
            }
        }
    }
    return -1;
}

void Search::orderMoves(const detail::CandidateList& list,
                        const std::vector<detail::MoveProbe::Effect>& effects, std::int32_t tableMove,
                        int ply, std::vector<std::size_t>& order) const {
    const auto& killers = killers_[static_cast<std::size_t>(ply)];
    const auto rank = [&](std::size_t i) {
        const std::int32_t cell = list.moves[i].cell;
        return cell == tableMove ? 3 : cell == killers[0] ? 2 : cell == killers[1] ? 1 : 0;
    };
    order.resize(list.moves.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int rankA = rank(a);
        const int rankB = rank(b);
        return rankA != rankB ? rankA > rankB : effects[a].gain > effects[b].gain;
    });
}

std::int32_t Search::negamax(int depth, std::int32_t alpha, std::int32_t beta, int ply, CellState side,
                             bool previousPassed, std::int32_t value) {
    if (depth <= 0 || ply >= kMaxPly - 1) {
        return value;
    }
    const std::uint64_t key = keyOf(side);
    TableEntry& entry = entryFor(key);
    std::int32_t tableMove = -1;
    if (entry.key == key) {
        tableMove = entry.bestCell;
        if (entry.depth >= depth) {
            const std::int32_t stored = fromTable(entry.score, ply);
            if (entry.bound == Bound::Exact || (entry.bound == Bound::Lower && stored >= beta) ||
                (entry.bound == Bound::Upper && stored <= alpha)) {
                return stored;
            }
        }
    }

    Ply& here = plies_[static_cast<std::size_t>(ply)];
    if (!collectCandidateMoves(board_.board(), side, here.list)) {
        throw Aborted{};
    }
    countNodes(static_cast<std::int64_t>(here.list.moves.size()));
    if (here.list.moves.empty()) {
        if (previousPassed) {
            return kDrawScore;  // neither side can move
        }
        return -negamax(depth - 1, -beta, -alpha, ply + 1, otherSide(side), true, -value);
    }
    if (const std::ptrdiff_t five = probeMoves(here.list, side, tableMove, ply, here.effects); five >= 0) {
        rememberKiller(ply, here.list.moves[static_cast<std::size_t>(five)].cell);
        return kWinScore - ply - 1;
    }
    const bool full = fillsBoard();
    if (depth == 1) {
        std::int32_t best = -kInfinity;
        for (const detail::MoveProbe::Effect& effect : here.effects) {
            best = std::max(best, full ? kDrawScore : value + effect.gain);
        }
        return best;
    }
    orderMoves(here.list, here.effects, tableMove, ply, here.order);

    const std::int32_t originalAlpha = alpha;
    std::int32_t best = -kInfinity;
    std::int32_t bestCell = -1;
    for (const std::size_t i : here.order) {
        // The child's plies reuse their own storage; this ply's list stays as it is.
        const detail::CandidateMove& move = here.list.moves[i];
        const std::int32_t gain = here.effects[i].gain;
        std::int32_t score = kDrawScore;
        if (!full) {
            countNodes(1);
            board_.play(move, here.list.raysOf(move), side);
            score = -negamax(depth - 1, -beta, -alpha, ply + 1, otherSide(side), false, -(value + gain));
            board_.undo();
        }
        if (score > best) {
            best = score;
            bestCell = move.cell;
        }
        alpha = std::max(alpha, score);
        if (alpha >= beta) {
            rememberKiller(ply, move.cell);
            break;
        }
    }
    entry.key = key;
    entry.bestCell = bestCell;
    entry.score = toTable(best, ply);
    entry.depth = static_cast<std::int16_t>(depth);
    entry.bound = best <= originalAlpha ? Bound::Upper : best >= beta ? Bound::Lower : Bound::Exact;
    return best;
}

SearchOutcome Search::run(CellState side) {
    SearchOutcome outcome;
    detail::CandidateList list;
    // A five this move wins at once: every legal cell is probed for one before any search.
    std::vector<detail::MoveProbe::Effect> effects;
    std::ptrdiff_t five = -1;
    budget_ = kRootProbesPerNode * limits_.nodeBudget;
    budgetApplies_ = true;
    try {
        if (!collectCandidateMoves(board_.board(), side, list)) {
            throw Aborted{};
        }
        countNodes(static_cast<std::int64_t>(list.moves.size()));
        if (list.moves.empty()) {
            outcome.nodes = nodes_;
            return outcome;
        }
        five = probeMoves(list, side, -1, 0, effects);
    } catch (const Aborted&) {
        outcome.cell = chooseMostEnclosing(board_.board(), side);
        outcome.nodes = nodes_;
        return outcome;
    }
    budget_ = limits_.nodeBudget;
    budgetApplies_ = false;
    if (five >= 0) {
        outcome.cell = list.moves[static_cast<std::size_t>(five)].cell;
        outcome.score = kWinScore - 1;
        outcome.nodes = nodes_;
        return outcome;
    }
    const std::int32_t value = detail::positionValue(board_.board(), side);
    const bool full = fillsBoard();
    // Depth one: the static value after each move, from the probes.
    std::vector<std::int32_t> scores(list.moves.size());
    std::vector<std::size_t> order(list.moves.size());
    for (std::size_t i = 0; i < list.moves.size(); ++i) {
        scores[i] = full ? kDrawScore : value + effects[i].gain;
        order[i] = i;
    }
    const auto byScore = [&](std::size_t a, std::size_t b) { return scores[a] > scores[b]; };
    std::stable_sort(order.begin(), order.end(), byScore);
    outcome.cell = list.moves[order.front()].cell;
    outcome.score = scores[order.front()];
    outcome.depth = 1;

    budgetApplies_ = true;
    for (int depth = 2; depth <= limits_.maxDepth && list.moves.size() > 1 && !full; ++depth) {
        std::int32_t alpha = -kInfinity;
        std::size_t completed = 0;
        std::size_t bestIndex = order.front();
        std::int32_t bestScore = -kInfinity;
        bool aborted = false;
        try {
            for (const std::size_t i : order) {
                const detail::CandidateMove& move = list.moves[i];
                countNodes(1);
                board_.play(move, list.raysOf(move), side);
                const std::int32_t score = -negamax(depth - 1, -kInfinity, -alpha, 1, otherSide(side), false,
                                                    -(value + effects[i].gain));
                board_.undo();
                scores[i] = score;
                ++completed;
                if (score > bestScore) {
                    bestScore = score;
                    bestIndex = i;
                }
                alpha = std::max(alpha, score);
            }
        } catch (const Aborted&) {
            board_.undoAll();  // the moves the search had played when it stopped
            aborted = true;
        }
        // Moves are searched best first, so even a cut-short iteration has weighed the previous
        // best; a move that beat it at the greater depth is the better choice.
        if (completed > 0) {
            outcome.cell = list.moves[bestIndex].cell;
            outcome.score = bestScore;
            outcome.depth = aborted ? depth - 1 : depth;
        }
        if (aborted || bestScore > kWinBound || bestScore < -kWinBound) {
            break;  // out of budget, or a forced result that searching deeper does not change
        }
        // Best first next time; the others by their scores, which are upper bounds only.
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            if (a == bestIndex || b == bestIndex) {
                return a == bestIndex && b != bestIndex;
            }
            return scores[a] > scores[b];
        });
    }
    if (outcome.depth < 2 && list.moves.size() > 1) {
        // The opponent's replies were not searched: at least keep it from a five at once.
        const std::int64_t searched = nodes_;
        std::stable_sort(order.begin(), order.end(), byScore);
        const auto chosen = std::find_if(order.begin(), order.end(),
                                         [&](std::size_t i) { return list.moves[i].cell == outcome.cell; });
        std::rotate(order.begin(), chosen, chosen + 1);
        outcome.cell = safeMove(side, list, order);
        nodes_ += searched;
    }
    outcome.nodes = nodes_;
    return outcome;
}

}  // namespace

SearchLimits defaultSearchLimits(int dimension) {
    // The work of a move's probes: twice to fourteen times the most a move took in the matches of
    // the strong level against each level (0.26 to 0.57 M up to five axes, 3 M at six, 8 M at
    // seven, 18 M at eight), so that ordinary games play as before; on boards dense with stones
    // it ends the search. Up to five axes about a fifth of a second of CPU.
    constexpr std::int64_t kWork = 4'000'000;
    switch (dimension) {
        case 2:
            return {200'000, 24, 0, kWork};
        case 3:
            return {60'000, 16, 0, kWork};
        case 4:
            // The safety check's nodes are capped below the root's sixteen-fold: a move stays
            // within a fifth of a second even when the check runs to its end.
            return {20'000, 12, 200'000, kWork};
        case 5:
            return {8'000, 8, 0, kWork};
        // From six axes on games run long, and late in one a safe move is often dozens of tries
        // away; at eight axes the check's first try alone can cost 60 K nodes.
        case 6:
            return {3'000, 6, 200'000, 12'000'000};
        case 7:
            return {3'000, 6, 200'000, 24'000'000};
        default:
            return {3'000, 6, 200'000, 36'000'000};
    }
}

SearchOutcome searchStrongMove(Board& board, CellState side, const SearchLimits& limits) {
    assert(side == CellState::First || side == CellState::Second);
    Search search(board, limits);
    return search.run(side);
}

std::int32_t findFiveInOne(const Board& board, CellState side) {
    assert(side == CellState::First || side == CellState::Second);
    detail::CandidateList list;
    detail::collectCandidateMoves(board, side, list);
    detail::MoveProbe probe(board, side);
    for (const detail::CandidateMove& move : list.moves) {
        if (probe.makesFive(move, list.raysOf(move))) {
            return move.cell;
        }
    }
    return -1;
}

std::int32_t chooseStrongMove(Board& board, CellState side) {
    return searchStrongMove(board, side, defaultSearchLimits(board.dimension())).cell;
}

}  // namespace kalvenor
