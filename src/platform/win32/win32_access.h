#pragma once

// The Win32 window behind the layer's handle, for the Windows program and its tests. The game
// never needs this.

#include <windows.h>

#include <optional>

#include "platform/window_system.h"

namespace kalvenor::platform {

// The id of the main window's child that holds what announce() said last: a static control of no
// size, never a tab stop.
inline constexpr int announcementControlId = 0x4b41;

// The main window's place when it is neither minimised nor maximised, as GetWindowPlacement gives it
// (workspace coordinates): as it is now, or as it was when the window closed.
std::optional<RECT> normalWindowPlace(WindowHandle window);
// Puts the main window at `place` (before it is shown), if a screen shows enough of it; false when
// the place is refused and the window keeps its opening place.
bool restoreWindowPlace(WindowHandle window, const RECT& place);
// Whether the main window is maximised: now, or when it closed.
bool windowMaximised(WindowHandle window);
// The window opens maximised (over its normal place) when its event loop starts.
void showMaximisedAtStart(WindowHandle window);

// The system's windows behind the handles, null for a null handle or a window already gone: for
// tests that act as the system does.
HWND systemWindow(WindowHandle window);
HWND systemWindow(ControlHandle control);

}  // namespace kalvenor::platform
