#pragma once

#include <optional>
#include <string_view>

namespace kalvenor {

// The languages a window can speak. Japanese is the source: its texts are the catalog's keys.
enum class Language { Japanese, English };

// What the person chose in the menu: a language, or whatever the system speaks.
enum class LanguageChoice { Japanese, English, System };
Language languageOf(LanguageChoice choice);
// "ja", "en" and "system", as the settings store them; nothing for any other code.
std::string_view choiceCode(LanguageChoice choice);
std::optional<LanguageChoice> choiceFromCode(std::string_view code);

// The language of everything shown on screen, for the whole process (like a locale, it belongs to
// the program rather than to one game). Japanese until set. The record file ignores it.
Language displayLanguage();
void setDisplayLanguage(Language language);

// Japanese for a locale name of Japanese ("ja", "ja_JP.UTF-8"), English for any other named
// locale, and Japanese where none is chosen (empty, "C", "POSIX", "C.UTF-8"), so that a bare
// environment gets the classic program.
Language languageOfLocale(std::string_view localeName);

// The user's language: on Windows the user's UI language, elsewhere the first of LC_ALL,
// LC_MESSAGES and LANG that is set, read as above.
Language systemLanguage();

// "ja" and "en", as command lines and settings spell them; nothing for any other code.
std::string_view languageCode(Language language);
std::optional<Language> languageFromCode(std::string_view code);

}  // namespace kalvenor
