#pragma once

// Finding a menu command by its text, as a person finds it in the menu bar.

#include <QAction>
#include <QString>
#include <QWidget>

namespace kalvenor::testing {

// The command item or pop-up with `text` anywhere below `menu`, or null.
QAction* findAction(QWidget* menu, const QString& text);

}  // namespace kalvenor::testing
