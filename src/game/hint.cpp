#include <algorithm>

#include "cpu/strong_player.h"
#include "engine/coordinates.h"
#include "game/commands.h"
#include "game/flow_support.h"
#include "records/texts.h"
#include "view/board_view.h"

namespace kalvenor {

namespace {

constexpr int kFirstTrackedAxis = 3;
constexpr std::string_view kHintMark = "◎";

// Moves the slice shown to the one that holds `cell`, track bars and their value labels with it.
void showSliceOf(Session& session, std::int32_t cell) {
    GameState& state = session.state;
    const auto& axis = session.view.axisControls;
    std::int32_t offset = 0;
    for (int k = 0; kFirstTrackedAxis + k < state.dimension; ++k) {
        const int coordinate = coordinateOf(cell, kFirstTrackedAxis + k);
        offset += coordinate * integerPower(kAxisLength, kFirstTrackedAxis + k);
        const auto slot = static_cast<std::size_t>(3 * k);
        if (slot + 2 < axis.size()) {
            if (axis[slot + 1] != nullptr) {
                platform::setTrackBarPosition(axis[slot + 1], coordinate + 1);
            }
            if (axis[slot + 2] != nullptr) {
                platform::setControlText(axis[slot + 2], numberText(coordinate + 1));
            }
        }
    }
    state.viewOffset = offset;
}

}  // namespace

void setCpuLevel(Session& session, CpuLevel level) {
    session.cpuLevel = level;
    if (session.cpuLevelChanged) {
        session.cpuLevelChanged(level);
    }
}

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
        showSliceOf(session, cell);
    }
    showBoardFor(session, state.humanSide);
    const auto shown = static_cast<std::size_t>(cell - state.viewOffset);
    if (shown < session.view.cellButtons.size() && session.view.cellButtons[shown] != nullptr) {
        platform::setControlText(session.view.cellButtons[shown], kHintMark);
    }
}

}  // namespace kalvenor
