#include <algorithm>
#include <iterator>
#include <optional>
#include <string>

#include "engine/enclosure.h"
#include "records/texts.h"
#include "view/axis_marks.h"
#include "view/board_view.h"
#include "view/cell_description.h"

namespace kalvenor {

namespace {

constexpr std::string_view kLegalMark = "↓";

// Calls write(button, cell) for every cell button of the view whose cell is on the board.
template <typename Write>
void forEachShownCell(const BoardView& view, const Board& board, std::int32_t viewOffset, Write write) {
    const auto shown = static_cast<std::int32_t>(view.cellButtons.size());
    for (std::int32_t slot = 0; slot < shown; ++slot) {
        const std::int32_t cell = viewOffset + slot;
        const platform::ControlHandle button = view.cellButtons[slot];
        if (button != nullptr && cell >= 0 && cell < board.cellCount()) {
            write(button, cell);
        }
    }
}

platform::CellHighlight highlightOf(const CellHighlights& highlights, std::int32_t cell) {
    const auto holds = [cell](const std::vector<std::int32_t>& cells) {
        return std::find(cells.begin(), cells.end(), cell) != cells.end();
    };
    if (holds(highlights.five)) {
        return platform::CellHighlight::Five;
    }
    if (cell == highlights.lastMove) {
        return platform::CellHighlight::LastMove;
    }
    if (holds(highlights.turned)) {
        return platform::CellHighlight::Turned;
    }
    if (std::binary_search(highlights.threatWin.begin(), highlights.threatWin.end(), cell)) {
        return platform::CellHighlight::ThreatWin;
    }
    return std::binary_search(highlights.threatBlock.begin(), highlights.threatBlock.end(), cell)
               ? platform::CellHighlight::ThreatBlock
               : platform::CellHighlight::None;
}

// The bars mark where the targets are: the threatened cells while there are any, they matter
// most; the caption buttons go there.
void refreshAxisMarks(BoardView& view, const Board& board, std::int32_t viewOffset, int guideLevel,
                      CellState side) {
    if (board.dimension() <= 3) {
        return;
    }
    const CellHighlights& highlights = view.highlights;
    if (highlights.threatWin.empty() && highlights.threatBlock.empty()) {
        view.axisMarks = navigationMarks(board, guideLevel, side, viewOffset);
    } else {
        std::vector<std::int32_t> threats;
        std::merge(highlights.threatWin.begin(), highlights.threatWin.end(), highlights.threatBlock.begin(),
                   highlights.threatBlock.end(), std::back_inserter(threats));
        view.axisMarks = axisMarks(threats, board.dimension(), viewOffset);
    }
    for (std::size_t k = 0; k < view.axisMarks.size(); ++k) {
        if (const platform::ControlHandle trackBar = axisGroup(view, static_cast<int>(k)).trackBar) {
            platform::setTrackBarMarks(trackBar, view.axisMarks[k]);
        }
    }
}

}  // namespace

void refreshHighlights(const BoardView& view, std::int32_t viewOffset) {
    const CellHighlights& highlights = view.highlights;
    const auto shown = static_cast<std::int32_t>(view.cellButtons.size());
    // Most buttons have none: clear them all, then mark the few.
    std::vector<platform::CellHighlight> marks(static_cast<std::size_t>(shown),
                                               platform::CellHighlight::None);
    const auto mark = [&](std::int32_t cell) {
        const std::int32_t slot = cell - viewOffset;
        if (slot >= 0 && slot < shown) {
            marks[static_cast<std::size_t>(slot)] = highlightOf(highlights, cell);
        }
    };
    mark(highlights.lastMove);
    std::for_each(highlights.turned.begin(), highlights.turned.end(), mark);
    std::for_each(highlights.five.begin(), highlights.five.end(), mark);
    std::for_each(highlights.threatWin.begin(), highlights.threatWin.end(), mark);
    std::for_each(highlights.threatBlock.begin(), highlights.threatBlock.end(), mark);
    for (std::int32_t slot = 0; slot < shown; ++slot) {
        if (const platform::ControlHandle button = view.cellButtons[static_cast<std::size_t>(slot)]) {
            const platform::CellHighlight highlight = marks[static_cast<std::size_t>(slot)];
            platform::setCellHighlight(button, highlight);
            platform::setAccessibleText(
                button, cellAccessibleName(view.dimension, viewOffset + slot, platform::controlText(button)),
                cellAccessibleDescription(highlight));
        }
    }
}

void refreshBoardView(BoardView& view, const Board& board, std::int32_t viewOffset, int guideLevel,
                      CellState side) {
    forEachShownCell(view, board, viewOffset, [&](platform::ControlHandle button, std::int32_t cell) {
        const CellState state = board[cell];
        if (const auto stone = stoneText(state)) {
            platform::setControlText(button, *stone);
            return;
        }
        if (state != CellState::Empty) {
            return;
        }
        if (guideLevel == 0) {
            platform::setControlText(button, "");
        } else if (guideLevel == 2) {
            // A cell is legal exactly when it encloses at least one stone: one count answers both.
            const std::int32_t enclosed = countEnclosed(board, cell, side);
            platform::setControlText(button, enclosed > 0 ? numberText(enclosed) : std::string());
        } else {
            platform::setControlText(button,
                                     isLegalMove(board, cell, side) ? kLegalMark : std::string_view());
        }
    });
    refreshMarks(view, board, viewOffset, guideLevel, side);
}

void refreshMarks(BoardView& view, const Board& board, std::int32_t viewOffset, int guideLevel,
                  CellState side) {
    refreshHighlights(view, viewOffset);
    refreshAxisMarks(view, board, viewOffset, guideLevel, side);
}

void refreshStonesOnly(const BoardView& view, const Board& board, std::int32_t viewOffset) {
    forEachShownCell(view, board, viewOffset, [&](platform::ControlHandle button, std::int32_t cell) {
        const CellState state = board[cell];
        if (const auto stone = stoneText(state)) {
            platform::setControlText(button, *stone);
        } else if (state == CellState::Empty) {
            platform::setControlText(button, "");
        }
    });
    refreshHighlights(view, viewOffset);
}

}  // namespace kalvenor
