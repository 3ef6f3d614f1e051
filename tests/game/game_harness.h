#pragma once

// A main window on the headless backend with a game session behind it, driven as a person would
// drive it: commands, clicks on cells and buttons, queued answers to boxes and dialogs. The
// record goes to a fresh temporary folder of the harness's own.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/cell_state.h"
#include "game/session.h"
#include "platform/window_system.h"
#include "records/game_mode.h"
#include "records/saved_game.h"

namespace kalvenor::flows_test {

struct ShownBox {
    std::string text;
    std::string caption;
    platform::MessageBoxStyle style;
};

class GameHarness {
  public:
    GameHarness();
    ~GameHarness();
    GameHarness(const GameHarness&) = delete;
    GameHarness& operator=(const GameHarness&) = delete;

    Session session;

    const GameState& state() const { return session.state; }
    const Board& board() const { return *session.board; }
    const std::filesystem::path& folder() const { return folder_; }

    // The command a menu item sends.
    void command(int commandId);
    // A click on the cell button that shows `cell` (which must be in the slice on screen).
    void clickCell(std::int32_t cell);
    void clickControl(platform::ControlHandle control);
    // A click on a stepping button: 1 one move, 2 ten moves, 3 to the end, 4 from the start.
    void clickStep(int slot);

    // Answers for the next message boxes and file dialogs (nullopt: the dialog is cancelled).
    void answerBox(platform::MessageBoxResult answer);
    void answerFileDialog(std::optional<std::string> path);
    // Boxes shown since the harness started, oldest first.
    std::vector<ShownBox> boxes() const;

    std::string label(int slot) const;
    // Every text the label was given, oldest first, the creation text included.
    std::vector<std::string> labelHistory(int slot) const;

    // Switches the record on through command 152.
    void switchRecordOn();
    std::filesystem::path recordPath() const { return folder_ / "棋譜.txt"; }
    std::string recordBytes() const;

    // Writes `game` to a file in the folder and loads it through command 151.
    void load(const SavedGame& game, const std::string& name = "game.gd");
    // Saves through command 150 to `name` in the folder; returns the path.
    std::filesystem::path save(const std::string& name = "saved.gd");

  private:
    std::filesystem::path folder_;
};

// A saved game of `dimension` axes and `mode` with `cells` (all Empty when not given) and the
// state of a game just started: First to move, turn numbers 1, in progress.
SavedGame savedGame(int dimension, GameMode mode, CellState humanSide = CellState::First,
                    std::vector<std::uint8_t> cells = {});

// The bytes of a file.
std::string fileBytes(const std::filesystem::path& path);

}  // namespace kalvenor::flows_test
