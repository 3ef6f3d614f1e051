#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "catalog/language.h"
#include "cpu/levels.h"
#include "cpu/threat_cells.h"
#include "engine/board.h"
#include "game/game_file.h"
#include "game/game_history.h"
#include "game/game_state.h"
#include "platform/window_system.h"
#include "records/record_file.h"
#include "view/board_view.h"

namespace kalvenor {

// Everything one main window owns: its game state, the board of the current game, the controls
// of the view, the record file and the two remembered file names. Passed by reference, never
// copied; a test makes as many independent sessions as it likes.
struct Session {
    platform::WindowHandle window = nullptr;
    GameState state;
    std::optional<Board> board;  // absent before the first game
    BoardView view;
    GameRecordFile record;
    std::string saveFileName = "*.gd";
    std::string loadFileName = "*.gd";
    // Per side (sideIndex): the board may hold a five of that side that no search has seen, as
    // after a load; the next end-of-game check for that side then searches the whole board.
    std::array<bool, 2> needsFullFiveSearch{false, false};
    // The computer's level against a person. Not part of a saved game; the desktop program keeps
    // it between runs and is told of every change.
    CpuLevel cpuLevel = CpuLevel::Standard;
    std::function<void(CpuLevel)> cpuLevelChanged;
    // What a person switches on the menu: the threat marks (警告表示) and the view that follows the
    // play (手を追う). Off here, as the script driver starts; the desktop program turns them on,
    // keeps them between runs and is told of every change.
    struct Options {
        bool threatMarks = false;
        bool followPlay = false;
        bool operator==(const Options&) const = default;
    };
    Options options;
    std::function<void(const Options&)> optionsChanged;
    // The threat cells of the board as it stands, found once per position however often the
    // view is drawn.
    mutable ThreatCache threatCache;
    GameHistory history;  // take-back and redo
    GameFile file;        // the file the game was last saved to or loaded from
    // Whether the board at this revision differs from the file's mark: a redraw that leaves the
    // board alone (a slice, the guide) needs no new look at 16 MiB of cells.
    struct ChangedAt {
        Board::Revision revision;
        bool changed;
    };
    mutable std::optional<ChangedAt> fileChangedAt;
    // What a desktop program does around the game's file: the title names the file and marks a
    // changed game; a new game, a load or 最初から asks before an unsaved game is thrown away.
    // Off here, as the script driver starts (its lines `title on`, `confirm on`); the desktop
    // program turns both on.
    struct FileHandling {
        bool titleNamesFile = false;
        bool askBeforeDiscarding = false;
    };
    FileHandling fileHandling;
    // The language chosen for the window (the display language follows it). Not part of a saved
    // game; the desktop program keeps it between runs and is told of every change.
    LanguageChoice languageChoice = LanguageChoice::Japanese;
    std::function<void(LanguageChoice)> languageChoiceChanged;
    // Where the view's controls stand (大きい盤). Like the level, kept by the desktop program
    // between runs and told of every change; never part of a saved game.
    BoardLayout boardLayout = BoardLayout::Classic;
    std::function<void(BoardLayout)> boardLayoutChanged;
    // Told after every command and track-bar event the main window has handled (the desktop
    // program keeps the game through it).
    std::function<void(const Session&)> eventHandled;
    // The moves played while the window handles an event, said once it is handled
    // (move_announcement.h); at most two.
    std::vector<std::string> movesToAnnounce;

    Session() = default;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
};

}  // namespace kalvenor
