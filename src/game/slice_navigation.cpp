#include <algorithm>

#include "engine/coordinates.h"
#include "game/commands.h"
#include "records/texts.h"
#include "view/board_view.h"

namespace kalvenor {

namespace {

constexpr int kFirstTrackedAxis = 3;

// Every notification but the end of tracking moves the slice.
bool movesSlice(int code) {
    return code >= platform::trackbar::LineUp && code <= platform::trackbar::Bottom;
}

}  // namespace

void onAxisScroll(Session& session, int code, platform::ControlHandle control) {
    GameState& state = session.state;
    const auto& axis = session.view.axisControls;
    const int groups = std::max(0, state.dimension - kFirstTrackedAxis);
    if (!movesSlice(code) || control == nullptr || !session.board ||
        axis.size() < static_cast<std::size_t>(3 * groups)) {
        return;
    }
    bool moved = false;
    for (int k = 0; k < groups; ++k) {
        if (axis[3 * k + 1] == control) {
            const int position = platform::trackBarPosition(control);
            if (axis[3 * k + 2] != nullptr) {
                platform::setControlText(axis[3 * k + 2], numberText(position));
            }
            moved = true;
        }
    }
    if (!moved) {
        return;
    }
    // Every bar is read again: the slice is the one all of them show now.
    std::int32_t offset = 0;
    for (int k = 0; k < groups; ++k) {
        const platform::ControlHandle trackBar = axis[3 * k + 1];
        const int position = trackBar != nullptr ? std::clamp(platform::trackBarPosition(trackBar), 1, 8) : 1;
        offset += (position - 1) * integerPower(kAxisLength, kFirstTrackedAxis + k);
    }
    state.viewOffset = offset;
    refreshBoardView(session.view, *session.board, state.viewOffset, state.guideLevel, state.sideToMove);
}

}  // namespace kalvenor
