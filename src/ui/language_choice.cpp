#include "ui/language_choice.h"

#include "records/texts.h"
#include "ui/game_menu.h"

namespace kalvenor {

namespace {

void retranslateControls(const std::vector<platform::ControlHandle>& controls, Language from, Language to) {
    for (const platform::ControlHandle control : controls) {
        if (control != nullptr) {
            const std::string shown = platform::controlText(control);
            const std::string text = retranslatedGameText(shown, from, to);
            if (text != shown) {
                platform::setControlText(control, text);
            }
        }
    }
}

}  // namespace

void chooseLanguage(Session& session, LanguageChoice choice) {
    const Language before = displayLanguage();
    session.languageChoice = choice;
    setDisplayLanguage(languageOf(choice));
    if (session.languageChoiceChanged) {
        session.languageChoiceChanged(choice);
    }
    platform::setMenuBar(session.window, menuBar(session));
    const Language after = displayLanguage();
    if (after != before) {
        // The cell buttons show stones and numbers alone.
        BoardView& view = session.view;
        for (const auto* controls :
             {&view.infoLabels, &view.axisControls, &view.guideControls, &view.vsControls}) {
            retranslateControls(*controls, before, after);
        }
        showLastMoveAsLink(view);
    }
}

}  // namespace kalvenor
