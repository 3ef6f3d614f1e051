#include "game/take_back.h"

#include <cassert>

#include "engine/move_undo.h"
#include "game/board_display.h"
#include "game/labels.h"
#include "game/record_writer.h"
#include "game/session.h"
#include "records/texts.h"

namespace kalvenor {

void TakeBackLog::clear() {
    points_.clear();
    stones_.clear();
}

void TakeBackLog::addPoint(Point point) {
    point.firstStone = stones_.size();
    points_.push_back(std::move(point));
}

void TakeBackLog::addStone(std::span<const std::int32_t> changed, CellState side) {
    if (!points_.empty()) {
        stones_.push_back({std::vector<std::int32_t>(changed.begin(), changed.end()), side});
    }
}

TakeBackLog::Point TakeBackLog::popPoint(std::vector<PlayedStone>& stonesLastFirst) {
    assert(!points_.empty());
    Point point = std::move(points_.back());
    points_.pop_back();
    stonesLastFirst.clear();
    while (stones_.size() > point.firstStone) {
        stonesLastFirst.push_back(std::move(stones_.back()));
        stones_.pop_back();
    }
    return point;
}

void markTakeBackPoint(Session& session) {
    TakeBackLog::Point point;
    point.state = session.state;
    point.needsFullFiveSearch = session.needsFullFiveSearch;
    for (const platform::ControlHandle label : session.view.infoLabels) {
        point.labelTexts.push_back(label != nullptr ? platform::controlText(label) : std::string());
    }
    point.highlights = session.view.highlights;
    session.takeBack.addPoint(std::move(point));
}

void noteStonePlayed(Session& session, std::span<const std::int32_t> changed, CellState side) {
    session.takeBack.addStone(changed, side);
}

// The person's last move and the computer's replies since (between two people: the last move)
// go back, and the board, counters, side to move and labels are as they were before it.
bool takeBackMove(Session& session) {
    GameState& state = session.state;
    if (!session.board || session.takeBack.empty() || state.mode == GameMode::CpuVsCpu) {
        return false;
    }
    std::vector<TakeBackLog::PlayedStone> stones;
    const TakeBackLog::Point point = session.takeBack.popPoint(stones);
    for (const TakeBackLog::PlayedStone& stone : stones) {
        undoMove(*session.board, stone.changed, stone.side);
    }
    // The view (slice shown, guide level) and the record switch stay as they are now.
    const GameState now = state;
    state = point.state;
    state.viewOffset = now.viewOffset;
    state.guideLevel = now.guideLevel;
    state.recordEnabled = now.recordEnabled;
    session.needsFullFiveSearch = point.needsFullFiveSearch;
    const auto& labels = session.view.infoLabels;
    for (std::size_t slot = 0; slot < labels.size() && slot < point.labelTexts.size(); ++slot) {
        if (labels[slot] != nullptr) {
            platform::setControlText(labels[slot], point.labelTexts[slot]);
        }
    }
    session.view.highlights = point.highlights;
    const CellState person = state.mode == GameMode::HumanVsCpu ? state.humanSide : state.sideToMove;
    showBoardFor(session, person);
    appendRecordLineWithBoard(session, takeBackText(person));
    return true;
}

}  // namespace kalvenor
