#include "desktop_settings.h"

#include <QFile>
#include <QStandardPaths>
#include <QString>
#include <cstdio>

#include "settings_file.h"

namespace kalvenor {

namespace {

// One file for the whole program; its failures are said once per run.
SettingsFile& settingsFile() {
    static SettingsFile file(
        QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                          QStringLiteral("/kalvenor/kalvenor.conf"))
            .toStdString(),
        [](const std::string& message) { std::fprintf(stderr, "kalvenor: %s\n", message.c_str()); });
    return file;
}

}  // namespace

std::string desktopSetting(std::string_view key, std::string_view fallback) {
    return settingsFile().value(key, fallback);
}

void storeDesktopSetting(std::string_view key, std::string_view value) {
    settingsFile().store(key, value);
}

}  // namespace kalvenor
