#include "match_game.h"

#include <time.h>

#include <chrono>
#include <cstdio>
#include <random>

#include "cpu/strong_player.h"
#include "engine/board.h"
#include "engine/enclosure_counts.h"
#include "engine/five.h"
#include "engine/move_undo.h"
#include "engine/standard_opening.h"

namespace kalvenor::match {

namespace {

// CPU time of this thread: other programs on the machine do not count in it.
double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

bool makesFive(Board& board, std::int32_t cell, CellState side, std::vector<std::int32_t>& changed) {
    changed.clear();
    playEnclosingMove(board, cell, side, changed);
    const bool five = hasFiveThrough(board, changed, side);
    undoMove(board, changed, side);
    return five;
}

// A quiet legal move drawn at random: it makes no five and leaves the opponent none to make at
// once, so that the players, not the draw, decide the game. Without a quiet move, the first legal
// one; -1 when the side has no legal move.
std::int32_t randomQuietMove(Board& board, CellState side, std::mt19937_64& random) {
    std::vector<EnclosureCount> moves;
    collectEnclosureCounts(board, side, moves);
    const std::int32_t fallback = moves.empty() ? -1 : moves.front().cell;
    std::vector<std::int32_t> changed;
    std::vector<std::int32_t> played;
    while (!moves.empty()) {
        std::uniform_int_distribution<std::size_t> pick(0, moves.size() - 1);
        const std::size_t index = pick(random);
        const std::int32_t cell = moves[index].cell;
        moves.erase(moves.begin() + static_cast<std::ptrdiff_t>(index));
        if (makesFive(board, cell, side, changed)) {
            continue;
        }
        played.clear();
        playEnclosingMove(board, cell, side, played);
        const bool answered = findFiveInOne(board, otherSide(side)) >= 0;
        undoMove(board, played, side);
        if (!answered) {
            return cell;
        }
    }
    return fallback;
}

}  // namespace

GameReport playMatchGame(int dimension, Pairing pairing, CellState sideOfA, int randomMoves,
                         std::uint64_t seed, bool trace) {
    Board board(dimension);
    placeStandardOpening(board);
    std::mt19937_64 random(seed);
    GameReport report;
    CellState side = CellState::First;
    int passesInARow = 0;
    std::vector<std::int32_t> changed;
    for (int ply = 0; passesInARow < 2; ++ply) {
        std::int32_t cell;
        if (ply < randomMoves) {
            cell = randomQuietMove(board, side, random);
        } else if (side == sideOfA) {
            const auto start = std::chrono::steady_clock::now();
            const double cpuStart = threadCpuSeconds();
            if (pairing.a == CpuLevel::Strong) {
                const SearchOutcome outcome = searchStrongMove(board, side, defaultSearchLimits(dimension));
                report.nodes += outcome.nodes;
                if (trace) {
                    std::fprintf(stderr, "move %d: depth %d score %d nodes %lld\n", report.moves,
                                 outcome.depth, outcome.score, static_cast<long long>(outcome.nodes));
                }
                cell = outcome.cell;
            } else {
                cell = chooseCpuMove(board, side, pairing.a);
            }
            const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
            report.moveSeconds.push_back(spent.count());
            report.moveCpuSeconds.push_back(threadCpuSeconds() - cpuStart);
        } else {
            cell = chooseCpuMove(board, side, pairing.b);
        }
        if (cell < 0) {
            ++passesInARow;
            side = otherSide(side);
            continue;
        }
        passesInARow = 0;
        changed.clear();
        playEnclosingMove(board, cell, side, changed);
        ++report.moves;
        if (hasFiveThrough(board, changed, side)) {
            report.result = side == sideOfA ? Result::Wins : Result::Loses;
            return report;
        }
        if (isBoardFull(board)) {
            break;
        }
        side = otherSide(side);
    }
    report.result = Result::Draw;
    return report;
}

}  // namespace kalvenor::match
