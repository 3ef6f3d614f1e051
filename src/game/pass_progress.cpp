#include "game/pass_progress.h"

#include <cstdio>
#include <string>

#include "cpu/pass_check.h"
#include "game/labels.h"
#include "view/board_view.h"

namespace kalvenor {

namespace {

void showProgress(Session& session, std::int32_t examined, std::int32_t cellCount) {
    // "prosess" is the spelling the players have always seen on this label: kept as it is.
    char count[64];
    std::snprintf(count, sizeof count, " prosess %d / %d", static_cast<int>(examined),
                  static_cast<int>(cellCount));
    char percent[64];
    const double share = static_cast<double>(std::int64_t{100} * examined) / cellCount;
    std::snprintf(percent, sizeof percent, " %2.2f percent", share);
    setInfoLabel(session, info_slot::ProgressCount, count);
    setInfoLabel(session, info_slot::ProgressPercent, percent);
}

}  // namespace

bool checkAutoPassShowingProgress(Session& session, CellState side) {
    if (!session.board) {
        return true;
    }
    if (session.state.dimension < 4) {
        return checkAutoPass(*session.board, side);
    }
    const bool mustPass =
        checkAutoPass(*session.board, side, [&session](std::int32_t examined, std::int32_t cellCount) {
            showProgress(session, examined, cellCount);
        });
    if (!mustPass) {
        clearProgress(session);
    }
    return mustPass;
}

}  // namespace kalvenor
