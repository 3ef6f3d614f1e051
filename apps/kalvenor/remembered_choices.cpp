#include "remembered_choices.h"

#include "catalog/language.h"
#include "display_settings.h"
#include "level_setting.h"

namespace kalvenor {

void rememberChoices(Session& session) {
    session.cpuLevel = storedCpuLevel();
    session.cpuLevelChanged = &storeCpuLevel;
    session.languageChoice = storedLanguageChoice();
    setDisplayLanguage(languageOf(session.languageChoice));
    session.languageChoiceChanged = &storeLanguageChoice;
    session.boardLayout = storedBoardLayout();
    session.boardLayoutChanged = &storeBoardLayout;
    session.options = storedOptions();
    session.optionsChanged = &storeOptions;
    // Not a choice: what every desktop program does around the game's file.
    session.fileHandling = {.titleNamesFile = true, .askBeforeDiscarding = true};
}

}  // namespace kalvenor
