// The computer's choices, the pass check, the guide's marks, the five search, the threat marks
// and the strong level on dense boards of six to eight axes (bench/dense_positions.h), ■ to move.
// Times are wall times, CPU times those of the whole process: from seven axes on the greedy count
// walks on two threads.

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "bench/dense_positions.h"
#include "bench/registration.h"
#include "cpu/move_choice.h"
#include "cpu/pass_check.h"
#include "cpu/strong_player.h"
#include "cpu/threat_cells.h"
#include "engine/five.h"
#include "view/axis_marks.h"

namespace kalvenor::bench {

namespace {

constexpr CellState kMover = CellState::First;

// Each board is built when first asked for and kept for the rest of the run: `make(dimension,
// variant)` builds it.
template <typename Variant, Board (*make)(int, Variant)>
Board& keptBoard(int dimension, Variant variant) {
    static std::map<std::pair<int, Variant>, std::unique_ptr<Board>> boards;
    std::unique_ptr<Board>& board = boards[{dimension, variant}];
    if (!board) {
        board = std::make_unique<Board>(make(dimension, variant));
    }
    return *board;
}

Board& denseBoard(int dimension, DensePattern pattern) {
    return keptBoard<DensePattern, densePosition>(dimension, pattern);
}

Board& filledBoard(int dimension, int stonesPercent) {
    return keptBoard<int, randomFilling>(dimension, stonesPercent);
}

template <typename Body>
void add(const std::string& name, int dimension, DensePattern pattern, Body body) {
    const std::string fullName =
        "dense_" + name + "/" + std::string(patternName(pattern)) + "/" + std::to_string(dimension);
    benchmark::RegisterBenchmark(fullName.c_str(),
                                 [dimension, pattern, body](benchmark::State& state) {
                                     Board& board = denseBoard(dimension, pattern);
                                     body(state, board);
                                     state.counters["stones"] =
                                         board.count(CellState::First) + board.count(CellState::Second);
                                 })
        ->Unit(benchmark::kMillisecond)
        ->MeasureProcessCPUTime()
        ->UseRealTime();
}

// Random fillings from a few stones to a full board: the greedy level, the guide's marks and
// the strong level must count where no corner decides.
void registerFillingBenchmarks() {
    for (const int percent : {5, 30, 66, 95}) {
        for (int d = 7; d <= kMaxDimension; ++d) {
            const auto add = [d, percent](const std::string& name, auto body) {
                const std::string fullName =
                    "dense_filling_" + name + "/" + std::to_string(percent) + "%/" + std::to_string(d);
                benchmark::RegisterBenchmark(fullName.c_str(),
                                             [d, percent, body](benchmark::State& state) {
                                                 Board& board = filledBoard(d, percent);
                                                 body(state, board);
                                                 state.counters["stones"] = board.count(CellState::First) +
                                                                            board.count(CellState::Second);
                                             })
                    ->Unit(benchmark::kMillisecond)
                    ->MeasureProcessCPUTime()
                    ->UseRealTime();
            };
            add("choose_most", [](benchmark::State& state, Board& board) {
                for (auto _ : state) {
                    benchmark::DoNotOptimize(chooseMostEnclosing(board, kMover));
                }
            });
            add("choose_fewest", [](benchmark::State& state, Board& board) {
                for (auto _ : state) {
                    benchmark::DoNotOptimize(chooseFewestEnclosing(board, kMover));
                }
            });
            add("guide_marks", [](benchmark::State& state, Board& board) {
                for (auto _ : state) {
                    benchmark::DoNotOptimize(navigationMarks(board, 1, kMover, 0));
                }
            });
            add("strong_move", [](benchmark::State& state, Board& board) {
                for (auto _ : state) {
                    benchmark::DoNotOptimize(chooseStrongMove(board, kMover));
                }
            });
        }
    }
}

}  // namespace

void registerDenseBenchmarks() {
    registerFillingBenchmarks();
    for (const DensePattern pattern :
         {DensePattern::Columns, DensePattern::Triples, DensePattern::Standoff, DensePattern::Scattered}) {
        for (int d = 6; d <= kMaxDimension; ++d) {
            add("choose_most", d, pattern, [](benchmark::State& state, Board& board) {
                for (auto _ : state) {
                    benchmark::DoNotOptimize(chooseMostEnclosing(board, kMover));
                }
            });
            add("choose_fewest", d, pattern, [](benchmark::State& state, Board& board) {
                for (auto _ : state) {
                    benchmark::DoNotOptimize(chooseFewestEnclosing(board, kMover));
                }
            });
            add("pass_check", d, pattern, [](benchmark::State& state, Board& board) {
                bool passes = false;
                for (auto _ : state) {
                    passes = checkAutoPass(board, kMover, [](std::int32_t, std::int32_t) {});
                    benchmark::DoNotOptimize(passes);
                }
                state.SetLabel(passes ? "must pass" : "has a move");
            });
            add("guide_marks", d, pattern, [](benchmark::State& state, Board& board) {
                for (auto _ : state) {
                    benchmark::DoNotOptimize(navigationMarks(board, 1, kMover, 0));
                }
            });
            add("find_five_full", d, pattern, [](benchmark::State& state, Board& board) {
                for (auto _ : state) {
                    benchmark::DoNotOptimize(hasFiveAnywhere(board, kMover));
                }
            });
            for (const PlacementRule rule : {PlacementRule::Enclosure, PlacementRule::AnyEmptyCell}) {
                add(rule == PlacementRule::Enclosure ? "threat_cells" : "threat_cells_two_people", d, pattern,
                    [rule](benchmark::State& state, Board& board) {
                        ThreatCells threats;
                        for (auto _ : state) {
                            threats = findThreats(board, kMover, rule);
                            benchmark::DoNotOptimize(threats);
                        }
                        state.counters["win"] = static_cast<double>(threats.win.size());
                        state.counters["block"] = static_cast<double>(threats.block.size());
                    });
            }
            add("strong_move", d, pattern, [](benchmark::State& state, Board& board) {
                for (auto _ : state) {
                    benchmark::DoNotOptimize(chooseStrongMove(board, kMover));
                }
            });
        }
    }
}

}  // namespace kalvenor::bench
