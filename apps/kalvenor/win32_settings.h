#pragma once

// What the Windows program remembers between runs, in kalvenor.ini in the Kalvenor folder of the
// user's application data (%APPDATA%): the 表示 settings and the window's place. A value that is
// missing or not one we know counts as never stored; a file that cannot be written loses nothing
// but the remembering.

#include <windows.h>

#include <optional>

#include "game/session.h"
#include "view/board_view.h"

namespace kalvenor::win32_settings {

// The large board unless the last run turned it off.
BoardLayout storedBoardLayout();
void storeBoardLayout(BoardLayout layout);

// The threat marks (警告表示) and the view that follows the play (手を追う): each on unless the
// last run turned it off.
Session::Options storedOptions();
void storeOptions(const Session::Options& options);

std::optional<RECT> storedWindowPlace();
void storeWindowPlace(const RECT& place);

}  // namespace kalvenor::win32_settings
