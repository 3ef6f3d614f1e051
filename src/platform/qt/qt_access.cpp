#include "platform/qt/qt_access.h"

#include "platform/qt/qt_backend.h"

namespace kalvenor::platform {

QMainWindow* mainWindowWidget(WindowHandle window) {
    return window != nullptr ? window->widget.get() : nullptr;
}

QWidget* clientAreaWidget(WindowHandle window) {
    return window != nullptr ? window->clientArea : nullptr;
}

QWidget* controlWidget(ControlHandle control) {
    return control != nullptr ? control->widget : nullptr;
}

}  // namespace kalvenor::platform
