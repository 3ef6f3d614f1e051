#include "game/guide_buttons.h"

#include <optional>

#include "game/board_display.h"
#include "view/view_layout.h"

namespace kalvenor {

namespace {

// Slots 1..3 of GuideControls are the buttons of guide levels 0..2.
constexpr int kFirstLevelSlot = 1;
constexpr int kLevels = 3;

// The level whose button is being clicked, if any.
std::optional<int> clickedGuideLevel(const Session& session) {
    const auto& guide = session.view.guideControls;
    for (int level = 0; level < kLevels; ++level) {
        const auto slot = static_cast<std::size_t>(kFirstLevelSlot + level);
        if (slot < guide.size() && guide[slot] != nullptr && platform::buttonState(guide[slot]) != 0) {
            return level;
        }
    }
    return std::nullopt;
}

}  // namespace

bool onGuideButtonClick(Session& session) {
    const std::optional<int> level = clickedGuideLevel(session);
    if (!level || !session.board) {
        return false;
    }
    session.state.guideLevel = *level;
    const auto& guide = session.view.guideControls;
    for (int shown = 0; shown < kLevels; ++shown) {
        if (const platform::ControlHandle button = guide[static_cast<std::size_t>(kFirstLevelSlot + shown)]) {
            platform::setControlText(button, guideLevelText(shown, *level));
        }
    }
    showBoardFor(session, session.state.sideToMove);
    return true;
}

}  // namespace kalvenor
