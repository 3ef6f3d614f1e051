// Fuzz target for the whole game: the input becomes a saved game of two to four axes (any board,
// any side to move, any mode and guide level, made valid where the loader demands it) and a
// sequence of events played on it through the headless backend as a person would: clicks on
// cells and buttons, steps, slides, new games, saves and loads, levels, hints and take-backs.
// Whatever the game does, it must neither crash nor throw anything but the backend's report of a
// prompt left unanswered; a level or a hint leaves the game as it was, and a take-back either
// changes nothing or brings back the game exactly as it stood before one of the earlier events.

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <system_error>
#include <vector>

#include "engine/cell_state.h"
#include "game/opening_game.h"
#include "platform/headless/headless.h"
#include "records/record_file.h"
#include "records/saved_game.h"
#include "ui/main_window.h"

namespace {

using namespace kalvenor;
namespace hl = platform::headless;

// The input, read a byte at a time; zeros once it is used up.
class Bytes {
  public:
    explicit Bytes(std::span<const std::uint8_t> data) : data_(data) {}
    bool empty() const { return next_ >= data_.size(); }
    std::uint8_t next() { return empty() ? 0 : data_[next_++]; }
    int below(int bound) { return next() % bound; }

  private:
    std::span<const std::uint8_t> data_;
    std::size_t next_ = 0;
};

// A folder of our own for the saved games and the record file, removed when the process ends.
class ScratchFolder {
  public:
    ScratchFolder()
        : path_(std::filesystem::temp_directory_path() /
                ("kalvenor-play-fuzz-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

const std::filesystem::path& scratchFolder() {
    static const ScratchFolder folder;
    return folder.path();
}

// The view's layout and sizes come from a new game's; the rest from the input.
SavedGame decodeGame(Bytes& input) {
    // Two or three axes: every flow and view kind but the slices, at a speed that lets the fuzzer
    // go deep; four axes add the slices, one in eight inputs.
    const int dimension = input.below(8) == 0 ? 4 : 2 + input.below(2);
    const auto mode = static_cast<GameMode>(input.below(3));
    const auto humanSide = input.below(2) == 0 ? CellState::First : CellState::Second;
    SavedGame game = standardOpeningGame(dimension, mode, humanSide);
    GameDataHeader& header = game.header;
    header.guideLevel = input.below(3);
    header.inProgress = input.below(4) != 0 ? 1 : 0;
    header.sideToMove = 1 + input.below(2);
    header.turnNumberFirst = 1 + input.below(64);
    header.turnNumberSecond = 1 + input.below(64);
    // Runs of cells: a byte gives a value (0..2) and how many cells after the last take it.
    std::size_t cell = 0;
    while (cell < game.board.size() && !input.empty()) {
        const std::uint8_t run = input.next();
        const std::size_t end = std::min(game.board.size(), cell + 1 + (run >> 2) * (run >> 2));
        for (; cell < end; ++cell) {
            game.board[cell] = static_cast<std::uint8_t>((run & 3) % 3);
        }
        if ((run & 3) == 3) {
            break;  // the rest of the board stays as the opening has it
        }
    }
    header.stoneCount = 0;
    for (const std::uint8_t value : game.board) {
        header.stoneCount += value != 0 ? 1 : 0;
    }
    return game;
}

platform::ControlHandle slotOf(const std::vector<platform::ControlHandle>& controls, int index) {
    if (controls.empty()) {
        return nullptr;
    }
    return controls[static_cast<std::size_t>(index) % controls.size()];
}

// A click as a person can make one: on a control that exists and can be seen.
void clickIfVisible(const Session& session, platform::ControlHandle control) {
    if (control != nullptr && hl::isLive(session.window, control) && hl::record(control).visible() &&
        hl::record(control).kind != platform::ControlKind::TrackBar) {
        hl::click(control);
    }
}

// What a take-back restores: the board, the counters and the side to move.
struct GameSnapshot {
    std::vector<std::uint8_t> board;
    std::int32_t stoneCount = 0;
    std::array<std::int32_t, 2> turnNumber{};
    CellState sideToMove = CellState::First;
    bool inProgress = false;

    explicit GameSnapshot(const Session& session)
        : stoneCount(session.state.stoneCount),
          turnNumber(session.state.turnNumber),
          sideToMove(session.state.sideToMove),
          inProgress(session.state.inProgress) {
        if (session.board) {
            board.assign(session.board->bytes().begin(), session.board->bytes().end());
        }
    }
    bool operator==(const GameSnapshot&) const = default;
};

// The level commands, the hint and the take-back, checked against the game before each event.
void playLevelOrTakeBack(Session& session, int command, const std::vector<GameSnapshot>& before) {
    const GameSnapshot now(session);
    sendCommand(session.window, command);
    const GameSnapshot after(session);
    if (after == now) {
        return;
    }
    if (command != 203 || std::find(before.begin(), before.end(), after) == before.end()) {
        __builtin_trap();
    }
}

void playEvent(Session& session, Bytes& input, const std::filesystem::path& loaded,
               const std::filesystem::path& saved, const std::vector<GameSnapshot>& before) {
    const platform::WindowHandle window = session.window;
    const BoardView& view = session.view;
    // Every question gets an answer from the input; unused ones wait for the next.
    if (hl::pendingMessageBoxAnswers(window) == 0) {
        hl::queueMessageBoxAnswer(
            window, input.below(2) == 0 ? platform::MessageBoxResult::Yes : platform::MessageBoxResult::No);
    }
    switch (input.below(11)) {
        case 0:
        case 1:
        case 2: {
            const int low = input.next();
            clickIfVisible(session, slotOf(view.cellButtons, low | input.next() << 8));
            break;
        }
        case 3:
            clickIfVisible(session, slotOf(view.vsControls, input.next()));
            break;
        case 4:
            clickIfVisible(session, slotOf(view.guideControls, input.next()));
            break;
        case 5: {
            const platform::ControlHandle bar = slotOf(view.axisControls, input.next());
            if (bar != nullptr && hl::isLive(window, bar) &&
                hl::record(bar).kind == platform::ControlKind::TrackBar) {
                hl::dragTrackBar(bar, 1 + input.below(8));
            } else {
                clickIfVisible(session, bar);
            }
            break;
        }
        case 6:
            clickIfVisible(session, slotOf(view.infoLabels, input.next()));
            break;
        case 7:
            hl::queueFileDialogAnswer(window,
                                      input.below(4) == 0 ? std::nullopt : std::optional(saved.string()));
            sendCommand(window, 150);
            break;
        case 8:
            hl::queueFileDialogAnswer(window, (input.below(2) == 0 ? loaded : saved).string());
            sendCommand(window, 151);
            break;
        case 9: {
            // New games of two and three axes, the record switch, the About box; never quit.
            static constexpr int commands[] = {101, 102, 103, 104, 120, 121, 152, 254};
            sendCommand(window, commands[input.below(std::size(commands))]);
            break;
        }
        case 10:
            playLevelOrTakeBack(session, 200 + input.below(4), before);
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes input(std::span(data, size));
    const std::filesystem::path loaded = scratchFolder() / "loaded.gd";
    const std::filesystem::path saved = scratchFolder() / "saved.gd";
    for (const auto& entry : std::filesystem::directory_iterator(scratchFolder())) {
        std::filesystem::remove_all(entry.path());  // the last run's files, the record among them
    }
    const SavedGame game = decodeGame(input);
    if (!writeSavedGame(loaded, game.header, game.board).ok()) {
        __builtin_trap();
    }

    Session session;
    session.record = GameRecordFile(scratchFolder() / defaultRecordPath());
    if (openMainWindow(session) == nullptr) {
        __builtin_trap();
    }
    try {
        hl::queueFileDialogAnswer(session.window, loaded.string());
        sendCommand(session.window, 151);
        std::vector<GameSnapshot> before;
        for (int events = 0; events < 64 && !input.empty(); ++events) {
            before.emplace_back(session);
            playEvent(session, input, loaded, saved, before);
        }
    } catch (const hl::UnansweredPrompt&) {
        // The input ran out of answers: a script error, not a fault of the game.
    }
    platform::destroyMainWindow(session.window);
    return 0;
}
