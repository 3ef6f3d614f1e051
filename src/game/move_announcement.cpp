#include "game/move_announcement.h"

#include "view/cell_description.h"

namespace kalvenor {

namespace {

// The person's move and the computer's reply; a longer run within one event (the computer
// playing on while the person must pass) is said from its last moves.
constexpr std::size_t kMovesSaidTogether = 2;

}  // namespace

void noteMoveToAnnounce(Session& session, std::int32_t cell, CellState side, std::size_t turned) {
    auto& moves = session.movesToAnnounce;
    if (moves.size() == kMovesSaidTogether) {
        moves.erase(moves.begin());
    }
    moves.push_back(cell < 0 ? passAnnouncement(side)
                             : moveAnnouncement(session.state.dimension, cell, side, turned));
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

}  // namespace kalvenor
