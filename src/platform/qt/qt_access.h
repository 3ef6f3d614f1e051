#pragma once

// The Qt widgets behind the layer's handles, for the desktop program, its tests and the
// screenshot tool. The game never needs these.

#include <QMainWindow>
#include <QWidget>

#include "platform/window_system.h"

namespace kalvenor::platform {

QMainWindow* mainWindowWidget(WindowHandle window);
// The widget the controls are placed on; its (0, 0) is the client area's top left.
QWidget* clientAreaWidget(WindowHandle window);
QWidget* controlWidget(ControlHandle control);

}  // namespace kalvenor::platform
