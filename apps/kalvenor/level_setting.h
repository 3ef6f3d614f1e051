#pragma once

// The computer's level and the language are remembered between runs of the desktop program, in
// its settings (never in a saved game).

#include "catalog/language.h"
#include "cpu/levels.h"

namespace kalvenor {

// The level stored by the last run; the greedy level (初級) when none is stored or the stored
// value is not one we know.
CpuLevel storedCpuLevel();
void storeCpuLevel(CpuLevel level);

// The language chosen in 表示 › 言語; システムに従う when none is stored or the stored value is not
// one we know.
LanguageChoice storedLanguageChoice();
void storeLanguageChoice(LanguageChoice choice);

}  // namespace kalvenor
