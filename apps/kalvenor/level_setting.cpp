#include "level_setting.h"

#include "desktop_settings.h"

namespace kalvenor {

namespace {

constexpr std::string_view kKey = "computer/level";
constexpr std::string_view kLanguageKey = "window/language";

}  // namespace

CpuLevel storedCpuLevel() {
    return levelNamed(desktopSetting(kKey, levelName(CpuLevel::Standard))).value_or(CpuLevel::Standard);
}

void storeCpuLevel(CpuLevel level) {
    storeDesktopSetting(kKey, levelName(level));
}

LanguageChoice storedLanguageChoice() {
    return choiceFromCode(desktopSetting(kLanguageKey, "system")).value_or(LanguageChoice::System);
}

void storeLanguageChoice(LanguageChoice choice) {
    storeDesktopSetting(kLanguageKey, choiceCode(choice));
}

}  // namespace kalvenor
