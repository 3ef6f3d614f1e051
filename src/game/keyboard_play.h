#pragma once

// The keys of the board beyond the arrows and the pages: one pair per axis beyond the third, and
// one for the last move.

#include <array>

#include "game/session.h"
#include "platform/window_system.h"

namespace kalvenor {

// Axis 3 + k goes up one coordinate with kAxisKeysUp[k] and down one with kAxisKeysDown[k]: the
// upper letter row raises and the row below it lowers, the columns from left to right as the
// track bars stand (Q/A time, W/S parallel world, E/D, R/F, T/G abstract A to C). None of them
// is a menu shortcut.
inline constexpr std::array<char, 5> kAxisKeysUp = {'Q', 'W', 'E', 'R', 'T'};
inline constexpr std::array<char, 5> kAxisKeysDown = {'A', 'S', 'D', 'F', 'G'};
// The cursor goes to the last stone placed, its slice brought into view (as a click on the
// last-move label does), so that a screen reader says that move.
inline constexpr char kLastMoveKey = 'L';

// A key pressed on the board (`focused` is the cursor's cell button, or null when no control has
// the focus): the arrows move the cursor within its layer, Page Up and Page Down to the layer
// before and after, the axis keys move the track bars, so that the cursor shows the same place of
// the next slice, and L takes it to the last stone placed. Other keys, and keys while another
// control has the focus, do nothing.
void onBoardKey(Session& session, int key, platform::ControlHandle focused);

}  // namespace kalvenor
