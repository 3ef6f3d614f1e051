#pragma once

#include <cstdint>

#include "game/session.h"
#include "platform/window_system.h"

namespace kalvenor {

// A track-bar notification (code 0..8) from `control`.
void onAxisScroll(Session& session, int code, platform::ControlHandle control);
// A click on an axis caption button moves that axis's bar to its next marked position (the next
// one that leads to a legal move of the guided side, or to a stone with the guide off) and shows
// that slice; nothing moves when no position is marked. False when no caption was clicked.
bool onAxisCaptionClick(Session& session);
// Moves the track bars and their value labels to the slice that holds `cell` and shows that
// slice, drawn for the side to move.
void showSliceHolding(Session& session, std::int32_t cell);
// Moves the track bar of axis 3 + k by `step` positions (within 1..8), with its value label, and
// shows the slice the bars then give. False when the view has no such bar.
bool stepTrackedAxis(Session& session, int k, int step);
// Moves the track bars, their value labels and the view offset to the slice holding `cell`; the
// caller redraws. Nothing to move on boards of two or three axes.
void moveViewToSliceOf(Session& session, std::int32_t cell);
// With 手を追う on: the view moves to the slice of the stone just placed on `cell`.
void followMove(Session& session, std::int32_t cell);
// 手を追う on or off: after the computer's move the view moves to the slice of its stone.
void setFollowPlay(Session& session, bool on);
// A click on the last-move label brings the slice that holds the last stone placed into view;
// while the label is empty it does nothing. False when `sender` is not that label.
bool onLastMoveLabelClick(Session& session, platform::ControlHandle sender);

}  // namespace kalvenor
