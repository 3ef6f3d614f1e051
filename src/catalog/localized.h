#pragma once

#include <string>
#include <string_view>

#include "catalog/language.h"

namespace kalvenor {

// The one catalog of texts. A text a person sees is written in the code in Japanese, the source
// language, and shown through localized(); the translations come from po/<code>.po, compiled into
// the program. xgettext collects the texts from the calls of both functions below.

// `japanese` in the display language, or in `language`. A text the catalog does not hold (a data
// text, a text that is the same in every language) comes back as it is.
std::string_view localized(std::string_view japanese);
std::string_view localized(std::string_view japanese, Language language);

// Marks a text of a table for the catalog without translating it; the table's user calls
// localized() where it shows the text.
constexpr std::string_view catalogText(std::string_view japanese) {
    return japanese;
}

// `format` in the display language with its one "%s" replaced by `value`.
std::string localizedFormat(std::string_view format, std::string_view value);

// A text shown in `from`, as `to` shows it: a text of the catalog, one of its formats filled with
// a number (" 12 turn : ..."), or either of them in brackets ("[簡易]"). Any other text comes back
// as it is. Every translation is distinct, so that the way back gives the text it came from.
std::string retranslated(std::string_view shown, Language from, Language to);

}  // namespace kalvenor
