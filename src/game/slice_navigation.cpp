#include "game/slice_navigation.h"

#include <algorithm>

#include "engine/coordinates.h"
#include "game/board_display.h"
#include "records/texts.h"
#include "view/axis_marks.h"
#include "view/board_view.h"

namespace kalvenor {

namespace {

constexpr int kFirstTrackedAxis = 3;

// Every notification but the end of tracking moves the slice.
bool movesSlice(int code) {
    return code >= platform::trackbar::LineUp && code <= platform::trackbar::Bottom;
}

// The axes the view has a group for: none on the start screen or below four axes.
int trackedAxes(const Session& session) {
    return std::min(std::max(0, session.state.dimension - kFirstTrackedAxis), axisGroupCount(session.view));
}

platform::ControlHandle trackBarOf(const Session& session, int k) {
    return axisGroup(session.view, k).trackBar;
}

// The slice that all the bars show now, drawn for the side to move.
void showSliceOfTheBars(Session& session) {
    GameState& state = session.state;
    std::int32_t offset = 0;
    for (int k = 0; k < trackedAxes(session); ++k) {
        const platform::ControlHandle trackBar = trackBarOf(session, k);
        const int position = trackBar != nullptr ? std::clamp(platform::trackBarPosition(trackBar), 1, 8) : 1;
        offset += (position - 1) * integerPower(kAxisLength, kFirstTrackedAxis + k);
    }
    state.viewOffset = offset;
    showBoardFor(session, state.sideToMove);
}

// Moves bar k to `position` with its value label, as a drag there would.
void placeTrackBar(Session& session, int k, int position) {
    if (const platform::ControlHandle trackBar = trackBarOf(session, k)) {
        platform::setTrackBarPosition(trackBar, position);
    }
    if (const platform::ControlHandle value = axisGroup(session.view, k).value) {
        platform::setControlText(value, numberText(position));
    }
}

}  // namespace

void moveViewToSliceOf(Session& session, std::int32_t cell) {
    const int groups = trackedAxes(session);
    if (groups == 0 || !session.board || cell < 0 || cell >= session.board->cellCount()) {
        return;
    }
    std::int32_t offset = 0;
    for (int k = 0; k < groups; ++k) {
        const int coordinate = coordinateOf(cell, kFirstTrackedAxis + k);
        placeTrackBar(session, k, coordinate + 1);
        offset += coordinate * integerPower(kAxisLength, kFirstTrackedAxis + k);
    }
    session.state.viewOffset = offset;
}

void followMove(Session& session, std::int32_t cell) {
    if (session.options.followPlay) {
        moveViewToSliceOf(session, cell);
    }
}

void setFollowPlay(Session& session, bool on) {
    if (session.options.followPlay != on) {
        session.options.followPlay = on;
        if (session.optionsChanged) {
            session.optionsChanged(session.options);
        }
    }
}

void onAxisScroll(Session& session, int code, platform::ControlHandle control) {
    if (!movesSlice(code) || control == nullptr || !session.board) {
        return;
    }
    bool moved = false;
    for (int k = 0; k < trackedAxes(session); ++k) {
        if (trackBarOf(session, k) == control) {
            if (const platform::ControlHandle value = axisGroup(session.view, k).value) {
                platform::setControlText(value, numberText(platform::trackBarPosition(control)));
            }
            moved = true;
        }
    }
    if (moved) {
        // Every bar is read again: the slice is the one all of them show now.
        showSliceOfTheBars(session);
    }
}

bool stepTrackedAxis(Session& session, int k, int step) {
    if (!session.board || k < 0 || k >= trackedAxes(session)) {
        return false;
    }
    const platform::ControlHandle trackBar = trackBarOf(session, k);
    if (trackBar == nullptr) {
        return false;
    }
    const int current = platform::trackBarPosition(trackBar);
    const int next = std::clamp(current + step, 1, kAxisLength);
    if (next != current) {
        placeTrackBar(session, k, next);
        showSliceOfTheBars(session);
    }
    return true;
}

bool onAxisCaptionClick(Session& session) {
    if (!session.board) {
        return false;
    }
    for (int k = 0; k < trackedAxes(session); ++k) {
        const AxisGroup group = axisGroup(session.view, k);
        if (group.caption == nullptr || platform::buttonState(group.caption) == 0) {
            continue;
        }
        const platform::ControlHandle trackBar = group.trackBar;
        const auto& marks = session.view.axisMarks;
        if (trackBar != nullptr && static_cast<std::size_t>(k) < marks.size()) {
            const int current = platform::trackBarPosition(trackBar);
            const std::optional<int> next = nextMarkedPosition(marks[static_cast<std::size_t>(k)], current);
            if (next && *next != current) {
                placeTrackBar(session, k, *next);
                showSliceOfTheBars(session);
            }
        }
        return true;
    }
    return false;
}

void showSliceHolding(Session& session, std::int32_t cell) {
    moveViewToSliceOf(session, cell);
    showBoardFor(session, session.state.sideToMove);
}

bool onLastMoveLabelClick(Session& session, platform::ControlHandle sender) {
    const auto& labels = session.view.infoLabels;
    const std::int32_t lastMove = session.view.highlights.lastMove;
    if (sender == nullptr || labels.size() <= info_slot::LastMove || labels[info_slot::LastMove] != sender ||
        !session.board || lastMove < 0 || lastMove >= session.board->cellCount()) {
        return false;
    }
    // An empty label (the game is over, or nothing has been played yet) names no move to go to.
    if (platform::controlText(sender).empty()) {
        return true;
    }
    if (trackedAxes(session) > 0) {
        showSliceHolding(session, lastMove);
    }
    return true;
}

}  // namespace kalvenor
