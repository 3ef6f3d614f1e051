#pragma once

#include "catalog/language.h"
#include "game/session.h"

namespace kalvenor {

// Commands 211..213: the window speaks the chosen language from now on. The menu bar is built
// again, and every text already shown (captions, buttons, labels, the start screen) changes to
// the new language as it stands; the record file stays Japanese.
void chooseLanguage(Session& session, LanguageChoice choice);

}  // namespace kalvenor
