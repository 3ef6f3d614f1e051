#include "desktop/menu_lookup.h"

#include <QMenu>

namespace kalvenor::testing {

QAction* findAction(QWidget* menu, const QString& text) {
    for (QAction* action : menu->actions()) {
        if (action->text() == text) {
            return action;
        }
        if (action->menu() != nullptr) {
            if (QAction* inner = findAction(action->menu(), text)) {
                return inner;
            }
        }
    }
    return nullptr;
}

}  // namespace kalvenor::testing
