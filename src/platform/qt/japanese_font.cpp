#include "platform/qt/japanese_font.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace kalvenor::platform {

void useJapaneseCapableFont() {
    // Gothic (sans-serif) faces, as the classic desktop shows Japanese; the first installed one wins.
    static const QStringList japaneseFamilies{"IPAPGothic", "IPAGothic", "Noto Sans CJK JP", "VL PGothic",
                                              "TakaoPGothic"};
    const QStringList installed = QFontDatabase::families();
    QFont font = QApplication::font();
    QStringList families{font.family()};
    for (const QString& family : japaneseFamilies) {
        if (installed.contains(family)) {
            families.append(family);
            break;
        }
    }
    if (families.size() > 1 && font.families() != families) {
        font.setFamilies(families);
        QApplication::setFont(font);
    }
}

}  // namespace kalvenor::platform
