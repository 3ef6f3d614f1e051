#include "game/hint.h"

#include <string_view>

#include "cpu/strong_player.h"
#include "game/board_display.h"
#include "game/slice_navigation.h"
#include "platform/window_system.h"

namespace kalvenor {

namespace {

constexpr std::string_view kHintMark = "◎";

}  // namespace

void showHint(Session& session) {
    GameState& state = session.state;
    if (!session.board || !state.inProgress || state.mode != GameMode::HumanVsCpu ||
        state.sideToMove != state.humanSide) {
        return;
    }
    const std::int32_t cell = chooseStrongMove(*session.board, state.humanSide);
    if (cell < 0) {
        return;
    }
    const std::int32_t slot = cell - state.viewOffset;
    if (slot < 0 || slot >= static_cast<std::int32_t>(session.view.cellButtons.size())) {
        showSliceHolding(session, cell);  // drawn for the person, who is to move
    } else {
        showBoardFor(session, state.humanSide);
    }
    const auto shown = static_cast<std::size_t>(cell - state.viewOffset);
    if (shown < session.view.cellButtons.size() && session.view.cellButtons[shown] != nullptr) {
        platform::setControlText(session.view.cellButtons[shown], kHintMark);
    }
}

}  // namespace kalvenor
