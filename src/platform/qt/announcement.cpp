// Texts a screen reader says without the keyboard focus moving. Orca (43) says an object of the
// notification role in full when it is shown, and leaves out the role's name for one inside a
// status bar; it says nothing of a name that changes elsewhere than at the focus. So the window
// keeps a hidden status bar holding a notification: a new text becomes the notification's name,
// and the notification is told shown again. Neither takes the focus or room on the screen.

#include <QAccessible>
#include <QAccessibleWidget>

#include "platform/qt/qt_backend.h"

namespace kalvenor::platform {
namespace {

class AnnouncementBar : public QWidget {
  public:
    using QWidget::QWidget;
};

class AnnouncementText : public QWidget {
  public:
    using QWidget::QWidget;
};

// Ahead of Qt's own factory, which is installed with the application and makes these plain
// widgets' interfaces otherwise.
QAccessibleInterface* announcementInterface(const QString&, QObject* object) {
    if (auto* bar = dynamic_cast<AnnouncementBar*>(object)) {
        return new QAccessibleWidget(bar, QAccessible::StatusBar);
    }
    if (auto* text = dynamic_cast<AnnouncementText*>(object)) {
        return new QAccessibleWidget(text, QAccessible::Notification);
    }
    return nullptr;
}

QWidget* announcementOf(Window& window) {
    if (window.announcement == nullptr) {
        [[maybe_unused]] static const bool installed = [] {
            QAccessible::installFactory(announcementInterface);
            return true;
        }();
        auto* bar = new AnnouncementBar(window.widget.get());
        bar->hide();
        window.announcement = new AnnouncementText(bar);
    }
    return window.announcement;
}

}  // namespace

void announce(WindowHandle window, std::string_view text) {
    if (window == nullptr || window->widget == nullptr || text.empty()) {
        return;
    }
    QWidget* notification = announcementOf(*window);
    notification->setAccessibleName(toQString(text));
    QAccessibleEvent shown(notification, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace kalvenor::platform
