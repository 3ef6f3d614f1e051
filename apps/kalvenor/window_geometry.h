#pragma once

// The main window's size and place, remembered between runs of the desktop program in its settings.

#include <QByteArray>

namespace kalvenor {

// As QWidget::saveGeometry gives them; empty when none is stored or the stored text is not what
// storeWindowGeometry writes.
QByteArray storedWindowGeometry();
void storeWindowGeometry(const QByteArray& geometry);

}  // namespace kalvenor
