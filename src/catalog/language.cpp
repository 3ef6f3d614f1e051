#include "catalog/language.h"

#include <atomic>
#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#endif

namespace kalvenor {

namespace {

std::atomic<Language> currentLanguage{Language::Japanese};

}  // namespace

Language displayLanguage() {
    return currentLanguage.load(std::memory_order_relaxed);
}

void setDisplayLanguage(Language language) {
    currentLanguage.store(language, std::memory_order_relaxed);
}

Language languageOfLocale(std::string_view localeName) {
    const std::string_view base = localeName.substr(0, localeName.find_first_of("_.@"));
    if (base.empty() || base == "C" || base == "POSIX" || base == "ja") {
        return Language::Japanese;
    }
    return Language::English;
}

Language systemLanguage() {
#ifdef _WIN32
    // The language the system's own dialogs speak.
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE ? Language::Japanese
                                                                      : Language::English;
#else
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            return languageOfLocale(value);
        }
    }
    return Language::Japanese;
#endif
}

std::string_view languageCode(Language language) {
    return language == Language::English ? "en" : "ja";
}

std::optional<Language> languageFromCode(std::string_view code) {
    if (code == "ja") {
        return Language::Japanese;
    }
    if (code == "en") {
        return Language::English;
    }
    return std::nullopt;
}

Language languageOf(LanguageChoice choice) {
    switch (choice) {
        case LanguageChoice::Japanese:
            return Language::Japanese;
        case LanguageChoice::English:
            return Language::English;
        case LanguageChoice::System:
            break;
    }
    return systemLanguage();
}

std::string_view choiceCode(LanguageChoice choice) {
    return choice == LanguageChoice::System ? "system" : languageCode(languageOf(choice));
}

std::optional<LanguageChoice> choiceFromCode(std::string_view code) {
    if (code == "system") {
        return LanguageChoice::System;
    }
    if (const auto language = languageFromCode(code)) {
        return *language == Language::English ? LanguageChoice::English : LanguageChoice::Japanese;
    }
    return std::nullopt;
}

}  // namespace kalvenor
