// The literal reference on the same positions: whole operations where one run takes at most a
// few seconds, per-cell figures (with the whole choice extrapolated) above that.

#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "bench/registration.h"
#include "engine/enclosure_counts.h"
#include "reference/reference_players.h"
#include "reference/reference_rules.h"

namespace kalvenor::bench {

namespace {

constexpr int kLargestWholeRun = 6;

std::uint8_t byteOf(CellState side) {
    return static_cast<std::uint8_t>(side);
}

reference::Cells cellsOf(const Board& board) {
    return reference::Cells(board.bytes().begin(), board.bytes().end());
}

template <typename Body>
void add(const std::string& name, int dimension, PositionCache& positions, Body body) {
    auto* benchmark =
        benchmark::RegisterBenchmark(("reference_" + name + "/" + std::to_string(dimension)).c_str(),
                                     [dimension, &positions, body](benchmark::State& state) {
                                         const BenchmarkPosition& position = positions.position(dimension);
                                         const reference::Cells cells = cellsOf(position.board);
                                         body(state, position, cells);
                                     });
    benchmark->Unit(dimension >= 5 ? benchmark::kMillisecond : benchmark::kMicrosecond);
    if (dimension >= kLargestWholeRun) {
        benchmark->Iterations(1);
    }
}

// Empty cells to time the per-cell scans on: the legal ones first, then any, as the whole
// choice scans every Empty cell.
std::vector<std::int32_t> sampleEmptyCells(const Board& board, CellState side, std::size_t count) {
    std::vector<EnclosureCount> legal;
    collectEnclosureCounts(board, side, legal);
    std::vector<std::int32_t> cells;
    for (std::size_t i = 0; i < legal.size() && cells.size() < count / 2; ++i) {
        cells.push_back(legal[i].cell);
    }
    std::mt19937 random(12345);
    std::uniform_int_distribution<std::int32_t> anywhere(0, board.cellCount() - 1);
    while (cells.size() < count) {
        const std::int32_t cell = anywhere(random);
        if (board[cell] == CellState::Empty) {
            cells.push_back(cell);
        }
    }
    return cells;
}

}  // namespace

void registerReferenceBenchmarks(PositionCache& positions) {
    for (int d = kMinDimension; d <= kMaxDimension; ++d) {
        const std::int32_t n = integerPower(8, d);
        if (d <= kLargestWholeRun) {
            add("choose_most", d, positions,
                [d, n](benchmark::State& state, const BenchmarkPosition& p, const reference::Cells& cells) {
                    for (auto _ : state) {
                        benchmark::DoNotOptimize(
                            reference::chooseMostEnclosing(cells, byteOf(p.sideToMove), d, n));
                    }
                });
            add("choose_fewest", d, positions,
                [d, n](benchmark::State& state, const BenchmarkPosition& p, const reference::Cells& cells) {
                    for (auto _ : state) {
                        benchmark::DoNotOptimize(
                            reference::chooseFewestEnclosing(cells, byteOf(p.sideToMove), d, n));
                    }
                });
            add("auto_pass", d, positions,
                [d, n](benchmark::State& state, const BenchmarkPosition& p, const reference::Cells& cells) {
                    const CellState side =
                        p.sideToMoveHasMove || !p.otherSideHasMove ? p.sideToMove : otherSide(p.sideToMove);
                    for (auto _ : state) {
                        benchmark::DoNotOptimize(reference::checkAutoPass(d, n, cells, byteOf(side), {}));
                    }
                });
            add("find_five_full", d, positions,
                [d, n](benchmark::State& state, const BenchmarkPosition& p, const reference::Cells& cells) {
                    for (auto _ : state) {
                        benchmark::DoNotOptimize(
                            reference::hasFiveAnywhere(d, n, cells, byteOf(otherSide(p.sideToMove))));
                    }
                });
        }
        add("turn_enclosed", d, positions,
            [d, n](benchmark::State& state, const BenchmarkPosition& p, const reference::Cells& cells) {
                std::vector<EnclosureCount> legal;
                collectEnclosureCounts(p.board, p.sideToMove, legal);
                if (legal.empty()) {
                    state.SkipWithError("the side to move has no move");
                    return;
                }
                reference::Cells board = cells;
                for (auto _ : state) {
                    board = cells;
                    board[legal.front().cell] = byteOf(p.sideToMove);
                    benchmark::DoNotOptimize(
                        reference::turnEnclosed(d, n, board, legal.front().cell, byteOf(p.sideToMove)));
                }
            });
        // One countEnclosed per cell: what every choice repeats for each Empty cell.
        benchmark::RegisterBenchmark(("reference_count_enclosed_per_cell/" + std::to_string(d)).c_str(),
                                     [d, n, &positions](benchmark::State& state) {
                                         const BenchmarkPosition& p = positions.position(d);
                                         const reference::Cells cells = cellsOf(p.board);
                                         const std::vector<std::int32_t> sample =
                                             sampleEmptyCells(p.board, p.sideToMove, 64);
                                         std::size_t next = 0;
                                         for (auto _ : state) {
                                             benchmark::DoNotOptimize(reference::countEnclosed(
                                                 d, n, cells, sample[next], byteOf(p.sideToMove)));
                                             next = (next + 1) % sample.size();
                                         }
                                         state.counters["empty_cells"] = p.board.count(CellState::Empty);
                                     })
            ->Unit(benchmark::kMicrosecond);
    }
}

}  // namespace kalvenor::bench
