#include "level_setting.h"

#include "desktop_settings.h"

namespace kalvenor {

namespace {

constexpr std::string_view kKey = "computer/level";
constexpr std::string_view kStrong = "strong";
constexpr std::string_view kStandard = "standard";
constexpr std::string_view kLanguageKey = "window/language";

}  // namespace

CpuLevel storedCpuLevel() {
    return desktopSetting(kKey, kStandard) == kStrong ? CpuLevel::Strong : CpuLevel::Standard;
}

void storeCpuLevel(CpuLevel level) {
    storeDesktopSetting(kKey, level == CpuLevel::Strong ? kStrong : kStandard);
}

LanguageChoice storedLanguageChoice() {
    return choiceFromCode(desktopSetting(kLanguageKey, "system")).value_or(LanguageChoice::System);
}

void storeLanguageChoice(LanguageChoice choice) {
    storeDesktopSetting(kLanguageKey, choiceCode(choice));
}

}  // namespace kalvenor
