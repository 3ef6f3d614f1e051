// Whole turns as a click makes them, through the main window on the headless backend, on the
// benchmark position P(D): the person's move with the computer's answer and both pass checks,
// one step of a game between computers, and a move of two people. The restore of the position
// before each click is not timed; the five search after the click is the incremental one of a
// game in progress.

#include <benchmark/benchmark.h>

#include <optional>
#include <string>

#include "bench/registration.h"
#include "engine/enclosure.h"
#include "engine/five.h"
#include "game/restore_game.h"
#include "game/session.h"
#include "platform/headless/headless.h"
#include "ui/main_window.h"
#include "view/board_view.h"

namespace kalvenor::bench {

namespace {

// The first cell of the board, in index order, that `side` may take under `mode`.
std::optional<std::int32_t> firstPlayableCell(const Board& board, CellState side, GameMode mode) {
    for (std::int32_t cell = 0; cell < board.cellCount(); ++cell) {
        if (board[cell] == CellState::Empty &&
            (mode == GameMode::HumanVsHuman || isLegalMove(board, cell, side))) {
            return cell;
        }
    }
    return std::nullopt;
}

// P(D) without the stones of either side that lie in a five: a game still open, where the threat
// marks have something to find.
Board boardWithoutFives(const BenchmarkPosition& position) {
    Board board = position.boardWithoutFives(CellState::First);
    std::vector<std::int32_t> second;
    board.collectStones(CellState::Second, second);
    for (const std::int32_t stone : second) {
        const std::int32_t one[] = {stone};
        if (hasFiveThrough(board, one, CellState::Second)) {
            board.set(stone, CellState::Empty);
        }
    }
    return board;
}

// `board` (P(D) or a board made from it) as a saved game of `mode`, the side to move being the
// person's, the slice on screen the one holding `cell`.
SavedGame positionGame(const BenchmarkPosition& position, const Board& board, GameMode mode,
                       std::int32_t cell) {
    const int dimension = board.dimension();
    SavedGame game;
    const std::int32_t slice = dimension <= 3 ? board.cellCount() : 512;
    const auto side = static_cast<std::int32_t>(position.sideToMove);
    game.header = {dimension, board.cellCount(),
                   slice,     cell / slice * slice,
                   0,         1,
                   side,      board.count(CellState::First) + board.count(CellState::Second),
                   1,         1,
                   side,      static_cast<std::int32_t>(mode)};
    game.board.assign(board.bytes().begin(), board.bytes().end());
    return game;
}

enum class Fives { Kept, Removed };

// With `options`, the turn as the desktop program plays it: threat marks on, the view following.
void addTurn(const std::string& name, int dimension, GameMode mode, PositionCache& positions,
             Session::Options options = {}, Fives fives = Fives::Kept) {
    benchmark::RegisterBenchmark(
        (name + "/" + std::to_string(dimension)).c_str(),
        [dimension, mode, &positions, options, fives](benchmark::State& state) {
            const BenchmarkPosition& position = positions.position(dimension);
            std::optional<Board> open;
            if (fives == Fives::Removed) {
                open = boardWithoutFives(position);
            }
            const Board& board = open ? *open : position.board;
            const auto cell = firstPlayableCell(board, position.sideToMove, mode);
            if (!cell) {
                state.SkipWithError("the side to move has no cell to take");
                return;
            }
            const SavedGame game = positionGame(position, board, mode, *cell);
            Session session;
            session.options = options;
            openMainWindow(session);
            bool inProgress = true;
            for (auto _ : state) {
                state.PauseTiming();
                restoreGame(session, game);
                // As in the middle of a game: the board has been searched for fives already, and
                // the fives P(D) holds (its moves ignore them) have not ended it, as the load does.
                session.needsFullFiveSearch = {false, false};
                session.state.inProgress = true;
                platform::headless::clearTextHistories(session.window);
                const std::size_t slot = static_cast<std::size_t>(*cell - session.state.viewOffset);
                platform::ControlHandle button = mode == GameMode::CpuVsCpu
                                                     ? session.view.vsControls.at(1)
                                                     : session.view.cellButtons.at(slot);
                state.ResumeTiming();
                platform::headless::click(button);
                state.PauseTiming();
                const bool moved = session.state.turnNumberOf(position.sideToMove) > 1;
                inProgress = session.state.inProgress;
                state.ResumeTiming();
                if (!moved) {
                    state.SkipWithError("the click made no move");
                    break;
                }
            }
            // With the marks on, the cells marked after the last click: none when the game ended.
            const CellHighlights& marks = session.view.highlights;
            state.counters["marked"] = static_cast<double>(marks.threatWin.size() + marks.threatBlock.size());
            state.SetLabel(inProgress ? "" : "the game ended");
            platform::destroyMainWindow(session.window);
        })
        // Each iteration rebuilds a whole view, which the backend remembers: a few are enough.
        ->Iterations(10)
        ->Unit(benchmark::kMillisecond);
}

}  // namespace

void registerTurnBenchmarks(PositionCache& positions) {
    for (int d = kMinDimension; d <= kMaxDimension; ++d) {
        addTurn("turn_person_and_cpu", d, GameMode::HumanVsCpu, positions);
        addTurn("turn_person_and_cpu_marked", d, GameMode::HumanVsCpu, positions, {true, true});
        // The same turn in a game that goes on after it, where the marks have cells to find.
        addTurn("turn_open_game", d, GameMode::HumanVsCpu, positions, {}, Fives::Removed);
        addTurn("turn_open_game_marked", d, GameMode::HumanVsCpu, positions, {true, true}, Fives::Removed);
        addTurn("turn_cpu_step", d, GameMode::CpuVsCpu, positions);
        addTurn("turn_two_people", d, GameMode::HumanVsHuman, positions);
        addTurn("turn_two_people_open", d, GameMode::HumanVsHuman, positions, {}, Fives::Removed);
        addTurn("turn_two_people_open_marked", d, GameMode::HumanVsHuman, positions, {true, true},
                Fives::Removed);
    }
}

}  // namespace kalvenor::bench
