// Keeping the game: what the desktop program writes after a move (the history file, naming the
// cells that differ from the base) and what it writes when a new base is due (the whole position,
// as after a new game or a load). On the standard opening as a game of two people (P(D) holds a
// five, which would end the game at once); the files go to a fresh folder under the system's
// temporary folder, flushed to its disk.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "bench/registration.h"
#include "engine/standard_opening.h"
#include "game/game_keeper.h"
#include "game/restore_game.h"
#include "game/session.h"
#include "platform/headless/headless.h"
#include "ui/main_window.h"

namespace kalvenor::bench {

namespace {

namespace fs = std::filesystem;

SavedGame twoPeopleGame(int dimension) {
    Board board(dimension);
    placeStandardOpening(board);
    SavedGame game;
    const std::int32_t slice = dimension <= 3 ? board.cellCount() : 512;
    const auto side = static_cast<std::int32_t>(CellState::First);
    game.header = {dimension, board.cellCount(),
                   slice,     0,
                   0,         1,
                   side,      board.count(CellState::First) + board.count(CellState::Second),
                   1,         1,
                   side,      0};
    game.board.assign(board.bytes().begin(), board.bytes().end());
    return game;
}

fs::path freshFolder(const std::string& name) {
    const fs::path folder =
        fs::temp_directory_path() / ("kalvenor-bench-" + std::to_string(::getpid()) + "-" + name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

// `newBase`: every write is a first one, the whole position; else a move after a kept one.
void addKeep(const std::string& name, int dimension, bool newBase) {
    benchmark::RegisterBenchmark(
        (name + "/" + std::to_string(dimension)).c_str(),
        [dimension, newBase, name](benchmark::State& state) {
            const fs::path folder = freshFolder(name + std::to_string(dimension));
            Session session;
            openMainWindow(session);
            restoreGame(session, twoPeopleGame(dimension));
            GameKeeper keeper(folder);
            (void)keeper.keep(session);
            if (!session.state.inProgress) {
                state.SkipWithError("the game is over before the first move");
                return;
            }
            std::size_t slot = 0;
            for (auto _ : state) {
                state.PauseTiming();
                GameKeeper fresh(folder);
                // The next empty cell on screen, clicked as a person clicks it.
                const auto& buttons = session.view.cellButtons;
                while (slot < buttons.size() && platform::controlText(buttons[slot]) != "") {
                    ++slot;
                }
                if (slot == buttons.size()) {
                    state.SkipWithError("no empty cell left on screen");
                    break;
                }
                platform::headless::click(buttons[slot]);
                state.ResumeTiming();
                const std::string failure = newBase ? fresh.keep(session) : keeper.keep(session);
                if (!failure.empty()) {
                    state.SkipWithError(failure.c_str());
                    break;
                }
            }
            platform::destroyMainWindow(session.window);
            fs::remove_all(folder);
        })
        ->Iterations(newBase ? 5 : 20)
        ->Unit(benchmark::kMillisecond);
}

}  // namespace

void registerKeepBenchmarks() {
    for (int d = kMinDimension; d <= kMaxDimension; ++d) {
        addKeep("keep_after_move", d, false);
        addKeep("keep_new_base", d, true);
    }
}

}  // namespace kalvenor::bench
