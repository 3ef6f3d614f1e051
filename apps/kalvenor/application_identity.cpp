#include "application_identity.h"

#include <QApplication>
#include <QIcon>

namespace kalvenor {

void identifyApplication() {
    // The name keeps the settings where earlier versions stored them (~/.config/kalvenor).
    QApplication::setApplicationName(QStringLiteral("kalvenor"));
    QApplication::setDesktopFileName(QStringLiteral(KALVENOR_APPLICATION_ID));
    const QString id = QStringLiteral(KALVENOR_APPLICATION_ID);
    QApplication::setWindowIcon(
        QIcon::fromTheme(id, QIcon(QStringLiteral(":/icons/") + id + QStringLiteral(".svg"))));
}

}  // namespace kalvenor
