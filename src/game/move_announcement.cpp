#include "game/move_announcement.h"

#include "catalog/localized.h"
#include "view/cell_description.h"

namespace kalvenor {

namespace {

// The person's move and the computer's reply; a longer run within one event (the computer
// playing on while the person must pass) is said from its last moves.
constexpr std::size_t kMovesSaidTogether = 2;

constexpr std::string_view kTakenBack = catalogText("待った：%s");
constexpr std::string_view kPlayedAgain = catalogText("やり直し：%s");

void note(Session& session, std::string said) {
    auto& moves = session.movesToAnnounce;
    if (moves.size() == kMovesSaidTogether) {
        moves.erase(moves.begin());
    }
    moves.push_back(std::move(said));
}

}  // namespace

void noteMoveToAnnounce(Session& session, std::int32_t cell, CellState side, std::size_t turned) {
    note(session,
         cell < 0 ? passAnnouncement(side) : moveAnnouncement(session.state.dimension, cell, side, turned));
}

// The person's stone and the reply to it, as the cursor says their cells; the computer's further
// stones of a long run are left unsaid, as they are when played.
void noteStepToAnnounce(Session& session, const Step& step, StepChange change) {
    std::string stones;
    std::size_t said = 0;
    for (const PlayedStone& stone : step.stones) {
        if (stone.changed.empty() || said == kMovesSaidTogether) {
            continue;
        }
        stones += stones.empty() ? "" : "  ";
        stones += cellAccessibleName(session.state.dimension, stone.changed.front(),
                                     stoneText(stone.side).value_or(""));
        ++said;
    }
    if (!stones.empty()) {
        note(session, localizedFormat(change == StepChange::TakenBack ? kTakenBack : kPlayedAgain, stones));
    }
}

void announceNotedMoves(Session& session) {
    if (session.movesToAnnounce.empty()) {
        return;  // most events play no move: nothing is said, and the last words stay
    }
    std::string said;
    for (const std::string& move : session.movesToAnnounce) {
        said += said.empty() ? "" : "  ";
        said += move;
    }
    session.movesToAnnounce.clear();
    platform::announce(session.window, said);
}

platform::MessageBoxResult showGameBox(Session& session, std::string_view text, std::string_view caption,
                                       platform::MessageBoxStyle style) {
    announceNotedMoves(session);
    return platform::messageBox(session.window, text, caption, style);
}

}  // namespace kalvenor
