#pragma once

// Qt's own texts (the Yes and No of a message box, the file dialogs) in the window's language,
// from Qt's translations as the system installs them (Debian: qt6-translations-l10n).

#include <QTranslator>

#include "catalog/language.h"

namespace kalvenor {

class QtTranslations {
  public:
    QtTranslations() = default;
    ~QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    // Qt speaks `language` from now on: Japanese from Qt's translations (English where they are
    // not installed), English as Qt is written. Needs a QApplication.
    void follow(Language language);

  private:
    QTranslator japanese_;
    bool installed_ = false;
};

}  // namespace kalvenor
