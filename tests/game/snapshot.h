#pragma once

// What taking back, redoing and resuming must give back exactly, and a cell to play.

#include <cstdint>
#include <string>
#include <vector>

#include "cpu/move_choice.h"
#include "engine/enclosure_counts.h"
#include "game_harness.h"

namespace kalvenor::flows_test {

// Everything that taking back must restore.
struct Snapshot {
    std::vector<std::uint8_t> cells;
    GameState state;
    std::vector<std::string> labels;
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

inline Snapshot snapshotOf(const GameHarness& game) {
    Snapshot snapshot{{game.board().bytes().begin(), game.board().bytes().end()}, game.state(), {}};
    for (std::size_t slot = 0; slot < game.session.view.infoLabels.size(); ++slot) {
        snapshot.labels.push_back(game.label(static_cast<int>(slot)));
    }
    return snapshot;
}

// A cell on screen where the person's stone is legal, the first in index order.
inline std::int32_t legalCellOnScreen(const GameHarness& game) {
    std::vector<EnclosureCount> moves;
    collectEnclosureCounts(game.board(), game.state().humanSide, moves);
    const std::int32_t first = game.state().viewOffset;
    const auto shown = static_cast<std::int32_t>(game.session.view.cellButtons.size());
    for (const EnclosureCount& move : moves) {
        if (move.cell >= first && move.cell < first + shown) {
            return move.cell;
        }
    }
    return -1;
}

}  // namespace kalvenor::flows_test
