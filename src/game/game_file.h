#pragma once

// The file a game belongs to: the one it was last saved to or loaded from, and the game as it was
// then, so that the window can name the file and tell a changed game from an unchanged one.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/board.h"
#include "engine/cell_state.h"
#include "game/game_state.h"
#include "records/game_mode.h"

namespace kalvenor {

struct Session;

// The classic window title; the About box repeats it as its caption.
inline constexpr std::string_view kWindowTitle = "Kalvenor [ version 1.0 ]";

// What tells one game from another: the counters, the sides, the mode and the stones. The view
// (slice, guide) is not part of it: looking around changes nothing worth saving.
struct GameMark {
    std::int32_t stoneCount = 0;
    std::array<std::int32_t, 2> turnNumber{};
    CellState sideToMove = CellState::First;
    CellState humanSide = CellState::First;
    GameMode mode = GameMode::HumanVsHuman;
    std::uint64_t stones = 0;  // stonesFingerprint of the board
    friend bool operator==(const GameMark&, const GameMark&) = default;
};

struct GameFile {
    std::string path;  // UTF-8; empty while the game has none
    // The game when it was last saved, loaded or started; empty when that is not known (a game
    // kept by an earlier version), which counts as changed.
    std::optional<GameMark> mark;
    friend bool operator==(const GameFile&, const GameFile&) = default;
};

// A hash of the cells that hold stones (their index and side).
std::uint64_t stonesFingerprint(const Board& board);
GameMark markOf(const GameState& state, const Board& board);

// After a save or a load: the game now belongs to `path` (empty after a new game) and is unchanged.
void rememberGameFile(Session& session, std::string path);
// Whether the game differs from the one last saved, loaded or started.
bool gameChanged(const Session& session);
// "mygame.gd* — Kalvenor [ version 1.0 ]"; the classic title while the game has no file and is
// unchanged.
std::string windowTitle(const Session& session);
// Shows windowTitle in the window, when the session names its file in the title.
void showWindowTitle(const Session& session);
// Turns the file in the title on or off; off shows the classic title.
void setTitleNamesFile(Session& session, bool on);

}  // namespace kalvenor
