#include "window_geometry.h"

#include <string>
#include <string_view>

#include "desktop_settings.h"

namespace kalvenor {

namespace {

constexpr std::string_view kGeometryKey = "window/geometry";  // base64 of saveGeometry's bytes

}  // namespace

QByteArray storedWindowGeometry() {
    const std::string text = desktopSetting(kGeometryKey, "");
    const auto decoded = QByteArray::fromBase64Encoding(QByteArray::fromStdString(text),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    return decoded ? *decoded : QByteArray();
}

void storeWindowGeometry(const QByteArray& geometry) {
    storeDesktopSetting(kGeometryKey, geometry.toBase64().toStdString());
}

}  // namespace kalvenor
