#include "game/threat_marks.h"

#include "catalog/localized.h"
#include "game/board_display.h"
#include "game/labels.h"
#include "view/board_view.h"

namespace kalvenor {

namespace {

constexpr std::string_view kCanWinStatus = catalogText(" 五目が作れます：金色のマス ");
constexpr std::string_view kMustBlockStatus = catalogText(" 注意：相手の五目を防いでください（水色のマス） ");

PlacementRule placementRuleOf(GameMode mode) {
    return mode == GameMode::HumanVsHuman ? PlacementRule::AnyEmptyCell : PlacementRule::Enclosure;
}

}  // namespace

ThreatCells threatsOf(const Session& session) {
    if (!session.board || !session.state.inProgress) {
        return {};
    }
    return session.threatCache.threats(*session.board, session.state.sideToMove,
                                       placementRuleOf(session.state.mode));
}

void updateThreatMarks(Session& session, CellState side) {
    CellHighlights& highlights = session.view.highlights;
    if (session.options.threatMarks && session.board && session.state.inProgress) {
        ThreatCells threats =
            session.threatCache.threats(*session.board, side, placementRuleOf(session.state.mode));
        highlights.threatWin = std::move(threats.win);
        highlights.threatBlock = std::move(threats.block);
    } else {
        highlights.threatWin.clear();
        highlights.threatBlock.clear();
    }
}

std::string_view readyStatus(const Session& session) {
    const CellHighlights& highlights = session.view.highlights;
    if (!session.options.threatMarks || !session.state.inProgress) {
        return status_text::Ready;
    }
    if (!highlights.threatWin.empty()) {
        return localized(kCanWinStatus);
    }
    return highlights.threatBlock.empty() ? status_text::Ready : localized(kMustBlockStatus);
}

void setThreatMarks(Session& session, bool on) {
    if (session.options.threatMarks == on) {
        return;
    }
    session.options.threatMarks = on;
    if (session.optionsChanged) {
        session.optionsChanged(session.options);
    }
    // Redrawn for the side the view is drawn for between moves: the person against the computer.
    const GameState& state = session.state;
    if (session.board) {
        showBoardFor(session, state.mode == GameMode::HumanVsCpu ? state.humanSide : state.sideToMove);
        setStatus(session, status_text::Ready);
    }
}

}  // namespace kalvenor
