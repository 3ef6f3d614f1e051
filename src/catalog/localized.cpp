#include "catalog/localized.h"

#include <algorithm>
#include <optional>

#include "catalog/compiled_catalogs.h"
#include "catalog/mo_file.h"

namespace kalvenor {

namespace {

using Messages = std::map<std::string_view, std::string_view, std::less<>>;

const Messages& englishMessages() {
    static const Messages messages = readMoFile(englishMoBytes());
    return messages;
}

// From each English text back to its Japanese source.
const Messages& englishSources() {
    static const Messages sources = [] {
        Messages reversed;
        for (const auto& [japanese, english] : englishMessages()) {
            reversed.emplace(english, japanese);
        }
        return reversed;
    }();
    return sources;
}

// The Japanese source of a whole text shown in `from`, if the catalog holds it.
std::optional<std::string_view> sourceOf(std::string_view shown, Language from) {
    const Messages& sources = from == Language::Japanese ? englishMessages() : englishSources();
    const auto found = sources.find(shown);
    if (found == sources.end()) {
        return std::nullopt;
    }
    return from == Language::Japanese ? found->first : found->second;
}

std::optional<std::string> retranslatedWhole(std::string_view shown, Language from, Language to) {
    if (const auto source = sourceOf(shown, from)) {
        return std::string(localized(*source, to));
    }
    // A format of the catalog filled with the first number of the text.
    const auto digits = shown.find_first_of("0123456789");
    if (digits == std::string_view::npos) {
        return std::nullopt;
    }
    const auto end = std::min(shown.find_first_not_of("0123456789", digits), shown.size());
    std::string format(shown);
    format.replace(digits, end - digits, "%d");
    const auto source = sourceOf(format, from);
    if (!source) {
        return std::nullopt;
    }
    std::string text(localized(*source, to));
    if (const auto at = text.find("%d"); at != std::string::npos) {
        text.replace(at, 2, shown.substr(digits, end - digits));
    }
    return text;
}

}  // namespace

std::string_view localized(std::string_view japanese) {
    return localized(japanese, displayLanguage());
}

std::string_view localized(std::string_view japanese, Language language) {
    if (language == Language::Japanese) {
        return japanese;
    }
    const auto& messages = englishMessages();
    const auto found = messages.find(japanese);
    return found == messages.end() ? japanese : found->second;
}

std::string retranslated(std::string_view shown, Language from, Language to) {
    if (from == to) {
        return std::string(shown);
    }
    if (const auto whole = retranslatedWhole(shown, from, to)) {
        return *whole;
    }
    if (shown.size() > 2 && shown.front() == '[' && shown.back() == ']') {
        if (const auto inner = retranslatedWhole(shown.substr(1, shown.size() - 2), from, to)) {
            return "[" + *inner + "]";
        }
    }
    return std::string(shown);
}

std::string localizedFormat(std::string_view format, std::string_view value) {
    std::string text(localized(format));
    if (const auto at = text.find("%s"); at != std::string::npos) {
        text.replace(at, 2, value);
    }
    return text;
}

}  // namespace kalvenor
