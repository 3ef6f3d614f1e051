#include "display_settings.h"

#include "desktop_settings.h"

namespace kalvenor {

namespace {

constexpr std::string_view kLargeBoardKey = "display/largeBoard";
constexpr std::string_view kThreatMarksKey = "display/threatMarks";
constexpr std::string_view kFollowPlayKey = "display/followPlay";

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

}  // namespace kalvenor
