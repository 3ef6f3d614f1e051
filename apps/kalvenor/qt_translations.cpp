#include "qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace kalvenor {

QtTranslations::~QtTranslations() {
    follow(Language::English);
}

void QtTranslations::follow(Language language) {
    if (language == Language::Japanese && !installed_) {
        if (japanese_.isEmpty()) {
            // Without the file Qt's texts stay English; the rest of the window is Japanese anyway.
            static_cast<void>(japanese_.load(QStringLiteral("qtbase_ja"),
                                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        }
        installed_ = !japanese_.isEmpty() && QCoreApplication::installTranslator(&japanese_);
    } else if (language == Language::English && installed_) {
        QCoreApplication::removeTranslator(&japanese_);
        installed_ = false;
    }
}

}  // namespace kalvenor
