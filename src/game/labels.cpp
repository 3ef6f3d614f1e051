#include "game/labels.h"

#include "catalog/localized.h"
#include "game/threat_marks.h"
#include "records/texts.h"
#include "view/board_view.h"

namespace kalvenor {

void setInfoLabel(Session& session, int slot, std::string_view text) {
    auto& labels = session.view.infoLabels;
    if (slot >= 0 && static_cast<std::size_t>(slot) < labels.size() && labels[slot] != nullptr) {
        platform::setControlText(labels[slot], text);
    }
}

void setTurnLabel(Session& session, std::string_view format, CellState side) {
    setInfoLabel(session, info_slot::Turn,
                 oneNumberText(localized(format), session.state.turnNumberOf(side)));
}

void setCountLabels(Session& session) {
    if (!session.board) {
        return;
    }
    setInfoLabel(session, info_slot::FirstCount,
                 stoneCountText(*session.board, CellState::First, displayLanguage()));
    setInfoLabel(session, info_slot::SecondCount,
                 stoneCountText(*session.board, CellState::Second, displayLanguage()));
}

void setStatus(Session& session, std::string_view text) {
    if (session.state.dimension != 2) {
        setInfoLabel(session, info_slot::Status, text == status_text::Ready ? readyStatus(session) : text);
    }
}

void clearProgress(Session& session) {
    if (session.state.dimension >= 4) {
        setInfoLabel(session, info_slot::ProgressCount, "");
        setInfoLabel(session, info_slot::ProgressPercent, "");
    }
}

}  // namespace kalvenor
