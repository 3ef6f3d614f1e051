#pragma once

// What the desktop program remembers of how it shows the game, in its settings: the 表示 menu's
// choices and the main window's size and place.

#include <QByteArray>

#include "game/session.h"
#include "view/board_view.h"

namespace kalvenor {

// The large board unless the last run turned it off.
BoardLayout storedBoardLayout();
void storeBoardLayout(BoardLayout layout);

// The threat marks (警告表示) and the view that follows the play (手を追う): each on unless the
// last run turned it off.
Session::Options storedOptions();
void storeOptions(const Session::Options& options);

// The main window's size and place as QWidget::saveGeometry gives them; empty when none is stored
// or the stored text is not what storeWindowGeometry writes.
QByteArray storedWindowGeometry();
void storeWindowGeometry(const QByteArray& geometry);

}  // namespace kalvenor
