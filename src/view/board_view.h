#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/board.h"
#include "engine/cell_state.h"
#include "platform/window_system.h"
#include "records/game_mode.h"

namespace kalvenor {

// Slots of InfoLabels that the game writes.
namespace info_slot {
inline constexpr int Turn = 0;
inline constexpr int LastMove = 1;
inline constexpr int FirstCount = 2;
inline constexpr int SecondCount = 3;
inline constexpr int Status = 12;           // D >= 3
inline constexpr int ProgressCount = 13;    // D >= 4
inline constexpr int ProgressPercent = 14;  // D >= 4
}  // namespace info_slot

// The cells a view sets apart: the last stone placed, the stones it turned, and the five that won;
// with the threat marks on, the Empty cells where the side to move would make five (threatWin) and
// where its opponent would (threatBlock), both in ascending order.
struct CellHighlights {
    std::int32_t lastMove = -1;
    std::vector<std::int32_t> turned;
    std::vector<std::int32_t> five;
    std::vector<std::int32_t> threatWin;
    std::vector<std::int32_t> threatBlock;
};

enum class ViewOrigin { NewGame, LoadedGame };

// Where the controls stand: the classic layout, or the large board (大きい盤) on two and three
// axes (view/large_layout.h).
enum class BoardLayout { Classic, Large };

// What a view is built for.
struct ViewParameters {
    int dimension = 2;
    GameMode mode = GameMode::HumanVsHuman;
    ViewOrigin origin = ViewOrigin::NewGame;
    int guideLevel = 0;           // bracketed on its level button
    std::int32_t viewOffset = 0;  // the slice shown; a loaded view's track bars show it
    BoardLayout layout = BoardLayout::Classic;
};

// The control arrays of the view on screen (the start screen uses infoLabels alone). An array
// that is absent is empty; a present array holds the slots the layout places, up to its last one,
// with null in a slot whose control was not created.
struct BoardView {
    std::vector<platform::ControlHandle> cellButtons;
    std::vector<platform::ControlHandle> infoLabels;
    std::vector<platform::ControlHandle> axisControls;
    std::vector<platform::ControlHandle> guideControls;
    std::vector<platform::ControlHandle> vsControls;
    // Not controls: what the cell buttons highlight, and per axis beyond the third the positions
    // its track bar marks (bit p for position p), as the last redraw found them.
    CellHighlights highlights;
    std::vector<std::uint32_t> axisMarks;
    int dimension = 0;
    // The slot of the cell button that is the board's keyboard cursor; -1 without cell buttons.
    std::int32_t cursorSlot = -1;
    // What the view on screen was built for; empty on the start screen.
    std::optional<ViewParameters> built;
};

// Slots of AxisControls: the group of board axis 3 + k (k = 0 for 時間軸) is the caption button,
// the track bar and the value label beneath it, in three slots side by side.
namespace axis_slot {
constexpr int caption(int k) {
    return 3 * k;
}
constexpr int trackBar(int k) {
    return 3 * k + 1;
}
constexpr int value(int k) {
    return 3 * k + 2;
}
}  // namespace axis_slot

// The controls of axis group k; null where the view has no such control.
struct AxisGroup {
    platform::ControlHandle caption = nullptr;
    platform::ControlHandle trackBar = nullptr;
    platform::ControlHandle value = nullptr;
};
AxisGroup axisGroup(const BoardView& view, int k);
// The number of axis groups the view holds: one per board axis beyond the third.
int axisGroupCount(const BoardView& view);

// Destroys, for every array, the controls of its slots in increasing order up to the first empty
// slot (the first view after start destroys exactly the five start-screen labels).
void destroyBoardView(BoardView& view);
// Releases every array (marks it absent) and forgets the highlights. Destroys no control.
void releaseBoardView(BoardView& view);
// Creates every control of the view in the order and at the places that viewLayout lists.
void buildBoardView(BoardView& view, platform::WindowHandle window, const ViewParameters& parameters);
// Moves every control of the view on screen to where `layout` puts it; texts, highlights and
// track-bar positions stay. Nothing happens on the start screen.
void relayoutBoardView(BoardView& view, platform::WindowHandle window, BoardLayout layout);

// Where a slice is shown (four or more axes), the last-move label looks like a link, with a tooltip
// in the display language (set again when the language changes).
void showLastMoveAsLink(const BoardView& view);

// The slot where a new view's cursor stands: every coordinate it shows at 3, near the middle.
std::int32_t initialCursorSlot(int dimension);
// Moves the keyboard cursor to cell button `slot`; nothing for a slot the view does not have.
void placeCellCursor(BoardView& view, std::int32_t slot);

// Cell button v shows board cell viewOffset + v: stones, and for guideLevel 1 or 2 the marks of
// the Empty cells that are legal for `side` ("↓" or the enclosure count); the highlights; and the
// track bars mark the positions that lead to a slice holding such a cell (to a stone with the guide
// off), as axis_marks.h tells; while the highlights hold threat cells, to a threat cell instead.
void refreshBoardView(BoardView& view, const Board& board, std::int32_t viewOffset, int guideLevel,
                      CellState side);
// Stones and highlights only, whatever the guide level.
void refreshStonesOnly(const BoardView& view, const Board& board, std::int32_t viewOffset);
// The highlights alone, after they changed; with them what each cell button says to the platform's
// accessibility (its coordinates, what it shows, what sets it apart).
void refreshHighlights(const BoardView& view, std::int32_t viewOffset);
// The highlights and the track bars' marks, as refreshBoardView draws them, after only the
// highlights changed: the cells' texts stay as they are.
void refreshMarks(BoardView& view, const Board& board, std::int32_t viewOffset, int guideLevel,
                  CellState side);

}  // namespace kalvenor
