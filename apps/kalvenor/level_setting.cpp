#include "level_setting.h"

#include <QSettings>
#include <QString>

namespace kalvenor {

namespace {

const QString kKey = QStringLiteral("computer/level");
const QString kStrong = QStringLiteral("strong");
const QString kStandard = QStringLiteral("standard");

QSettings settings() {
    return QSettings(QStringLiteral("kalvenor"), QStringLiteral("kalvenor"));
}

}  // namespace

CpuLevel storedCpuLevel() {
    return settings().value(kKey, kStandard).toString() == kStrong ? CpuLevel::Strong : CpuLevel::Standard;
}

void storeCpuLevel(CpuLevel level) {
    settings().setValue(kKey, level == CpuLevel::Strong ? kStrong : kStandard);
}

}  // namespace kalvenor
