// One whole action on a dense board: a saved game read from its file as a game against the
// computer, with the computer (■) to move. The load checks the file, looks for a five of either
// side, and the computer replies at once, as when a player opens such a file with 読込….

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "bench/dense_positions.h"
#include "bench/registration.h"
#include "game/opening_game.h"
#include "game/save_load.h"
#include "game/session.h"
#include "records/saved_game.h"
#include "ui/main_window.h"

namespace kalvenor::bench {

namespace {

namespace fs = std::filesystem;

// The position as a saved game of you (□) against the computer (■), ■ to move.
fs::path savedComputerToMove(const Board& board, const std::string& name) {
    const fs::path path =
        fs::temp_directory_path() / ("kalvenor-bench-" + std::to_string(::getpid()) + "-" + name + ".gd");
    // A new game's header, with the dense board in place of the opening.
    SavedGame game = standardOpeningGame(board.dimension(), GameMode::HumanVsCpu, CellState::Second);
    game.header.stoneCount = board.count(CellState::First) + board.count(CellState::Second);
    if (!writeSavedGame(path, game.header, board.bytes()).ok()) {
        return {};
    }
    return path;
}

void addLoad(const std::string& position, CpuLevel level, Board (*make)(int, DensePattern), int dimension,
             DensePattern pattern) {
    const std::string name = "dense_load_and_reply/" + std::string(levelName(level)) + "/" + position + "/" +
                             std::to_string(dimension);
    benchmark::RegisterBenchmark(name.c_str(),
                                 [=](benchmark::State& state) {
                                     const fs::path path = savedComputerToMove(
                                         make(dimension, pattern), position + std::to_string(dimension));
                                     if (path.empty()) {
                                         state.SkipWithError("the saved game could not be written");
                                         return;
                                     }
                                     for (auto _ : state) {
                                         Session session;
                                         session.cpuLevel = level;
                                         openMainWindow(session);
                                         benchmark::DoNotOptimize(loadGameFile(session, path.string()));
                                     }
                                     fs::remove(path);
                                 })
        ->Unit(benchmark::kMillisecond)
        ->MeasureProcessCPUTime()
        ->UseRealTime()
        ->Iterations(3);
}

Board filling66(int dimension, DensePattern) {
    return randomFilling(dimension, 66);
}

}  // namespace

void registerLoadBenchmarks() {
    for (const CpuLevel level : {CpuLevel::Standard, CpuLevel::Strong}) {
        for (int d = 2; d <= kMaxDimension; ++d) {
            for (const DensePattern pattern :
                 {DensePattern::Columns, DensePattern::Triples, DensePattern::Scattered}) {
                addLoad(std::string(patternName(pattern)), level, densePosition, d, pattern);
            }
            addLoad("filling66", level, filling66, d, DensePattern::Scattered);
        }
    }
}

}  // namespace kalvenor::bench
