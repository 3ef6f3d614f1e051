#include "game/take_back.h"

#include "engine/move_undo.h"
#include "game/board_display.h"
#include "game/labels.h"
#include "game/move_announcement.h"
#include "game/record_writer.h"
#include "game/session.h"
#include "records/texts.h"

namespace kalvenor {

namespace {

// The side whose move a take-back or a redo concerns, once the state is that before the move.
CellState personOf(const GameState& before) {
    return before.mode == GameMode::HumanVsCpu ? before.humanSide : before.sideToMove;
}

// Shows `moment`; the view (slice shown, guide level) and the record switch stay as they are now.
void landOn(Session& session, const Moment& moment) {
    const GameState now = session.state;
    session.state = moment.state;
    session.state.viewOffset = now.viewOffset;
    session.state.guideLevel = now.guideLevel;
    session.state.recordEnabled = now.recordEnabled;
    showMomentLabels(session, moment);
}

bool historyApplies(const Session& session) {
    return session.board && session.state.mode != GameMode::CpuVsCpu;
}

}  // namespace

Moment currentMoment(const Session& session) {
    Moment moment;
    moment.state = session.state;
    moment.needsFullFiveSearch = session.needsFullFiveSearch;
    for (const platform::ControlHandle label : session.view.infoLabels) {
        moment.labelTexts.push_back(label != nullptr ? platform::controlText(label) : std::string());
    }
    moment.highlights = session.view.highlights;
    return moment;
}

void showMomentLabels(Session& session, const Moment& moment) {
    session.needsFullFiveSearch = moment.needsFullFiveSearch;
    // The labels were kept as shown then; the language may have changed since.
    const Language shown = displayLanguage();
    const Language other = shown == Language::Japanese ? Language::English : Language::Japanese;
    const auto& labels = session.view.infoLabels;
    for (std::size_t slot = 0; slot < labels.size() && slot < moment.labelTexts.size(); ++slot) {
        if (labels[slot] != nullptr) {
            platform::setControlText(labels[slot],
                                     retranslatedGameText(moment.labelTexts[slot], other, shown));
        }
    }
    session.view.highlights = moment.highlights;
}

void markTakeBackPoint(Session& session) {
    session.history.beginStep(currentMoment(session));
}

void noteStonePlayed(Session& session, std::span<const std::int32_t> changed, CellState side) {
    session.history.addStone(changed, side);
}

// The person's last move and the computer's replies since (between two people: the last move)
// go back, and the board, counters, side to move and labels are as they were before it.
bool takeBackMove(Session& session) {
    if (!historyApplies(session) || !session.history.canTakeBack()) {
        return false;
    }
    const Step& step = session.history.takeBack(currentMoment(session)).step;
    for (auto stone = step.stones.rbegin(); stone != step.stones.rend(); ++stone) {
        undoMove(*session.board, stone->changed, stone->side);
    }
    landOn(session, step.before);
    const CellState person = personOf(session.state);
    showBoardFor(session, person);
    noteStepToAnnounce(session, step, StepChange::TakenBack);
    appendRecordLineWithBoard(session, takeBackText(person));
    return true;
}

// The same stones again, and the game exactly as it stood when they were taken back.
bool redoMove(Session& session) {
    if (!historyApplies(session) || !session.history.canRedo()) {
        return false;
    }
    const Moment after = session.history.redo();
    const Step& step = session.history.steps().back();
    for (const PlayedStone& stone : step.stones) {
        replayMove(*session.board, stone.changed, stone.side);
    }
    landOn(session, after);
    const CellState person = personOf(step.before.state);
    showBoardFor(session, personOf(session.state));
    noteStepToAnnounce(session, step, StepChange::PlayedAgain);
    appendRecordLineWithBoard(session, redoText(person));
    return true;
}

}  // namespace kalvenor
