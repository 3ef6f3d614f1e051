#include <optional>
#include <string>

#include "engine/enclosure.h"
#include "records/texts.h"
#include "view/board_view.h"

namespace kalvenor {

namespace {

constexpr std::string_view kFirstStone = "■";
constexpr std::string_view kSecondStone = "□";
constexpr std::string_view kLegalMark = "↓";

// The text of a stone, or nothing for a cell that is not First or Second.
std::optional<std::string_view> stoneText(CellState state) {
    switch (state) {
        case CellState::First:
            return kFirstStone;
        case CellState::Second:
            return kSecondStone;
        case CellState::Empty:
            break;
    }
    return std::nullopt;
}

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

}  // namespace

void refreshBoardView(const BoardView& view, const Board& board, std::int32_t viewOffset, int guideLevel,
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
}

}  // namespace kalvenor
