#include "level_setting.h"

#include "desktop_settings.h"

namespace kalvenor {

namespace {

constexpr std::string_view kKey = "computer/level";
constexpr std::string_view kStrong = "strong";
constexpr std::string_view kStandard = "standard";

}  // namespace

CpuLevel storedCpuLevel() {
    return desktopSetting(kKey, kStandard) == kStrong ? CpuLevel::Strong : CpuLevel::Standard;
}

void storeCpuLevel(CpuLevel level) {
    storeDesktopSetting(kKey, level == CpuLevel::Strong ? kStrong : kStandard);
}

}  // namespace kalvenor
