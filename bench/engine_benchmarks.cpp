// The fast engine and the computer players on P(D).

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "bench/registration.h"
#include "cpu/move_choice.h"
#include "cpu/pass_check.h"
#include "cpu/threat_cells.h"
#include "engine/enclosure.h"
#include "engine/five.h"

namespace kalvenor::bench {

namespace {

void reportPositionCounters(benchmark::State& state, const BenchmarkPosition& position) {
    const Board& board = position.board;
    state.counters["stones"] = board.count(CellState::First) + board.count(CellState::Second);
    state.counters["moves"] = position.moves;
}

template <typename Body>
void add(const std::string& name, int dimension, PositionCache& positions, Body body) {
    benchmark::RegisterBenchmark((name + "/" + std::to_string(dimension)).c_str(),
                                 [dimension, &positions, body](benchmark::State& state) {
                                     const BenchmarkPosition& position = positions.position(dimension);
                                     body(state, position);
                                     reportPositionCounters(state, position);
                                 })
        ->Unit(benchmark::kMicrosecond);
}

// The threat marks after a move, both sides' five-completing cells under each rule: on P(D), and
// on a game of two or four axes in its middle (P(D)'s game stopped after `moves` moves).
void registerThreatBenchmarks(PositionCache& positions) {
    struct MidGame {
        int dimension;
        int moves;
    };
    static std::vector<std::unique_ptr<BenchmarkPosition>> midGames;
    for (const MidGame game : {MidGame{2, 24}, MidGame{4, 200}}) {
        midGames.push_back(std::make_unique<BenchmarkPosition>(game.dimension, game.moves));
    }
    const auto addThreats = [](const std::string& name, int dimension, auto position) {
        for (const PlacementRule rule : {PlacementRule::Enclosure, PlacementRule::AnyEmptyCell}) {
            const std::string fullName = name + (rule == PlacementRule::Enclosure ? "" : "_two_people") +
                                         "/" + std::to_string(dimension);
            benchmark::RegisterBenchmark(fullName.c_str(), [rule, position](benchmark::State& state) {
                const BenchmarkPosition& p = position();
                ThreatCells threats;
                for (auto _ : state) {
                    threats = findThreats(p.board, p.sideToMove, rule);
                    benchmark::DoNotOptimize(threats);
                }
                state.counters["win"] = static_cast<double>(threats.win.size());
                state.counters["block"] = static_cast<double>(threats.block.size());
                reportPositionCounters(state, p);
            })->Unit(benchmark::kMicrosecond);
        }
    };
    for (int d = kMinDimension; d <= kMaxDimension; ++d) {
        addThreats("threat_cells", d,
                   [d, &positions]() -> const BenchmarkPosition& { return positions.position(d); });
    }
    for (const auto& game : midGames) {
        const BenchmarkPosition* position = game.get();
        addThreats("threat_cells_mid_game", position->board.dimension(),
                   [position]() -> const BenchmarkPosition& { return *position; });
    }
}

}  // namespace

void registerEngineBenchmarks(PositionCache& positions) {
    registerThreatBenchmarks(positions);
    for (int d = kMinDimension; d <= kMaxDimension; ++d) {
        add("choose_most", d, positions, [](benchmark::State& state, const BenchmarkPosition& p) {
            for (auto _ : state) {
                benchmark::DoNotOptimize(chooseMostEnclosing(p.board, p.sideToMove));
            }
        });
        add("choose_fewest", d, positions, [](benchmark::State& state, const BenchmarkPosition& p) {
            for (auto _ : state) {
                benchmark::DoNotOptimize(chooseFewestEnclosing(p.board, p.sideToMove));
            }
        });
        add("auto_pass", d, positions, [](benchmark::State& state, const BenchmarkPosition& p) {
            // The side to move, or the other side when it is the side to move that must pass.
            const CellState side =
                p.sideToMoveHasMove || !p.otherSideHasMove ? p.sideToMove : otherSide(p.sideToMove);
            for (auto _ : state) {
                benchmark::DoNotOptimize(checkAutoPass(p.board, side, [](std::int32_t, std::int32_t) {}));
            }
            state.SetLabel(p.sideToMoveHasMove || p.otherSideHasMove ? "side with a move"
                                                                     : "no side has a move");
        });
        add("auto_pass_must_pass", d, positions, [](benchmark::State& state, const BenchmarkPosition& p) {
            const CellState* passing = p.sideThatMustPass();
            const CellState side = passing != nullptr ? *passing : p.sideToMove;
            const Board constructed = passing != nullptr ? Board(p.board.dimension()) : p.passingBoard(side);
            const Board& board = passing != nullptr ? p.board : constructed;
            bool passes = false;
            for (auto _ : state) {
                passes = checkAutoPass(board, side, [](std::int32_t, std::int32_t) {});
                benchmark::DoNotOptimize(passes);
            }
            state.SetLabel(
                std::string(passing != nullptr ? "P(D)" : "P(D) without the touching opposing stones") +
                (passes ? "" : " (has a move!)"));
        });
        add("find_five_full", d, positions, [](benchmark::State& state, const BenchmarkPosition& p) {
            // The side that has just moved, as the end-of-game check asks.
            const CellState mover = otherSide(p.sideToMove);
            bool found = false;
            for (auto _ : state) {
                found = hasFiveAnywhere(p.board, mover);
                benchmark::DoNotOptimize(found);
            }
            state.SetLabel(found ? "five found" : "no five");
        });
        add("find_five_full_no_five", d, positions, [](benchmark::State& state, const BenchmarkPosition& p) {
            const CellState mover = otherSide(p.sideToMove);
            const Board board = p.boardWithoutFives(mover);
            bool found = false;
            for (auto _ : state) {
                found = hasFiveAnywhere(board, mover);
                benchmark::DoNotOptimize(found);
            }
            state.SetLabel(found ? "five found!" : "P(D) without the mover's fives");
        });
        add("find_five_after_move", d, positions, [](benchmark::State& state, const BenchmarkPosition& p) {
            const CellState mover = otherSide(p.sideToMove);
            for (auto _ : state) {
                benchmark::DoNotOptimize(hasFiveThrough(p.board, p.lastChanged, mover));
            }
            state.counters["changed"] = static_cast<double>(p.lastChanged.size());
        });
        add("turn_enclosed", d, positions, [](benchmark::State& state, const BenchmarkPosition& p) {
            // The move the side to move would choose, played and taken back on a copy.
            Board board(p.board.dimension());
            board.assign(p.board.bytes());
            const CellState side = p.sideToMove;
            const std::int32_t cell = chooseMostEnclosing(board, side);
            if (cell < 0) {
                state.SkipWithError("the side to move has no move");
                return;
            }
            std::vector<std::int32_t> turned;
            for (auto _ : state) {
                turned.clear();
                board.set(cell, side);
                benchmark::DoNotOptimize(turnEnclosed(board, cell, side, &turned));
                for (const std::int32_t stone : turned) {
                    board.set(stone, otherSide(side));
                }
                board.set(cell, CellState::Empty);
            }
            state.counters["turned"] = static_cast<double>(turned.size());
        });
    }
}

}  // namespace kalvenor::bench
