#include "display_settings.h"

#include <string>

#include "desktop_settings.h"

namespace kalvenor {

namespace {

constexpr std::string_view kLargeBoardKey = "display/largeBoard";
constexpr std::string_view kThreatMarksKey = "display/threatMarks";
constexpr std::string_view kFollowPlayKey = "display/followPlay";
constexpr std::string_view kGeometryKey = "window/geometry";  // base64 of saveGeometry's bytes

}  // namespace

BoardLayout storedBoardLayout() {
    return desktopSetting(kLargeBoardKey, "true") == "false" ? BoardLayout::Classic : BoardLayout::Large;
}

void storeBoardLayout(BoardLayout layout) {
    storeDesktopSetting(kLargeBoardKey, layout == BoardLayout::Large ? "true" : "false");
}

Session::Options storedOptions() {
    return {.threatMarks = desktopSetting(kThreatMarksKey, "true") != "false",
            .followPlay = desktopSetting(kFollowPlayKey, "true") != "false"};
}

void storeOptions(const Session::Options& options) {
    storeDesktopSetting(kThreatMarksKey, options.threatMarks ? "true" : "false");
    storeDesktopSetting(kFollowPlayKey, options.followPlay ? "true" : "false");
}

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
