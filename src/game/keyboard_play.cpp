#include "game/keyboard_play.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "engine/coordinates.h"
#include "game/slice_navigation.h"
#include "view/board_view.h"

namespace kalvenor {

namespace {

constexpr std::int32_t kLayerCells = kAxisLength * kAxisLength;

// The slot one step from `slot` along `axis` (0, 1 or 2 within the view), or -1 past the edge.
std::int32_t neighbourSlot(std::int32_t slot, int axis, int step, std::int32_t slots) {
    const std::int32_t stride = axis == 0 ? 1 : axis == 1 ? kAxisLength : kLayerCells;
    const std::int32_t coordinate = slot / stride % kAxisLength + step;
    const std::int32_t next = slot + step * stride;
    return coordinate < 0 || coordinate >= kAxisLength || next >= slots ? -1 : next;
}

// The axis beyond the third a letter key moves, with its direction; k = -1 for other keys.
std::pair<int, int> axisStepOf(int pressed) {
    const auto find = [pressed](const std::array<char, 5>& keys) {
        const auto found = std::find(keys.begin(), keys.end(), static_cast<char>(pressed));
        return found == keys.end() ? -1 : static_cast<int>(std::distance(keys.begin(), found));
    };
    if (const int k = find(kAxisKeysUp); k >= 0) {
        return {k, +1};
    }
    return {find(kAxisKeysDown), -1};
}

}  // namespace

void onBoardKey(Session& session, int pressed, platform::ControlHandle focused) {
    BoardView& view = session.view;
    const std::int32_t slot = view.cursorSlot;
    if (!session.board || slot < 0 || static_cast<std::size_t>(slot) >= view.cellButtons.size() ||
        (focused != nullptr && focused != view.cellButtons[static_cast<std::size_t>(slot)])) {
        return;
    }
    const auto slots = static_cast<std::int32_t>(view.cellButtons.size());
    const auto moveCursor = [&](int axis, int step) {
        if (const std::int32_t next = neighbourSlot(slot, axis, step, slots); next >= 0) {
            placeCellCursor(view, next);
        }
    };
    // Axis 0 runs down a layer, axis 1 across it; the layers are axis 2.
    switch (pressed) {
        case platform::key::Up:
            return moveCursor(0, -1);
        case platform::key::Down:
            return moveCursor(0, +1);
        case platform::key::Left:
            return moveCursor(1, -1);
        case platform::key::Right:
            return moveCursor(1, +1);
        case platform::key::PageUp:
            return moveCursor(2, -1);
        case platform::key::PageDown:
            return moveCursor(2, +1);
        default:
            break;
    }
    if (const auto [k, step] = axisStepOf(pressed); k >= 0) {
        stepTrackedAxis(session, k, step);
        return;
    }
    const std::int32_t lastMove = view.highlights.lastMove;
    if (pressed == kLastMoveKey && lastMove >= 0 && lastMove < session.board->cellCount()) {
        showSliceHolding(session, lastMove);
        placeCellCursor(view, lastMove - session.state.viewOffset);
    }
}

}  // namespace kalvenor
