#pragma once

#include <cstdint>

#include "game/session.h"
#include "platform/window_system.h"

namespace kalvenor {

// Title, outer size 1024 x 750, the classic menu with the game menu beside it. The menu's check
// marks read `session`. The icon is the program's own (its resources on Windows, the application
// icon of the desktop program on Linux).
platform::MainWindowDesc mainWindowDesc(const Session& session);

// The one procedure every event of the main window goes through. The window's user data is the
// Session it belongs to.
std::intptr_t mainWindowProc(platform::WindowHandle window, unsigned message, platform::WParam first,
                             platform::LParam second);

// Creates the main window for `session` (the start screen is built during creation) and stores
// its handle in session.window. Returns null if the window system refused.
platform::WindowHandle openMainWindow(Session& session);

// Sends the main window a command message with `commandId` and notification code 0, exactly as a
// menu item does (the turn handlers first, then the command table).
void sendCommand(platform::WindowHandle window, int commandId);

}  // namespace kalvenor
