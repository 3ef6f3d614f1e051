#include <algorithm>
#include <array>
#include <optional>

#include "catalog/localized.h"
#include "engine/coordinates.h"
#include "records/texts.h"

namespace kalvenor {

namespace {

bool isNumber(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// " ■ player choice: 縦:6  横:2": the axis names change, the rest stays.
std::optional<std::string> retranslatedMove(std::string_view shown, Language from, Language to) {
    constexpr std::string_view kChoice = "choice: ";
    const auto at = shown.find(kChoice);
    if (at == std::string_view::npos) {
        return std::nullopt;
    }
    std::string text(shown.substr(0, at + kChoice.size()));
    std::string_view items = shown.substr(at + kChoice.size());
    for (bool first = true; !items.empty(); first = false) {
        const auto end = std::min(items.find("  "), items.size());
        const std::string_view item = items.substr(0, end);
        const auto colon = item.rfind(':');
        if (colon == std::string_view::npos) {
            return std::nullopt;
        }
        text += first ? "" : "  ";
        text += retranslated(item.substr(0, colon), from, to);
        text += item.substr(colon);
        items.remove_prefix(std::min(end + 2, items.size()));
    }
    return text;
}

// " ■：12"
std::optional<std::string> retranslatedCount(std::string_view shown, Language from, Language to) {
    for (const std::string_view mark : {"■", "□"}) {
        const std::string prefix = " " + std::string(mark) + std::string(localized("：", from));
        if (shown.starts_with(prefix) && isNumber(shown.substr(prefix.size()))) {
            return " " + std::string(mark) + std::string(localized("：", to)) +
                   std::string(shown.substr(prefix.size()));
        }
    }
    return std::nullopt;
}

std::optional<std::string> retranslatedCaption(std::string_view shown, Language from, Language to) {
    for (int dimension = kMinDimension; dimension <= kMaxDimension; ++dimension) {
        for (const GameMode mode : {GameMode::HumanVsHuman, GameMode::HumanVsCpu, GameMode::CpuVsCpu}) {
            if (shown == dimensionAndModeText(dimension, mode, from)) {
                return dimensionAndModeText(dimension, mode, to);
            }
        }
    }
    return std::nullopt;
}

}  // namespace

std::string retranslatedGameText(std::string_view shown, Language from, Language to) {
    if (from == to) {
        return std::string(shown);
    }
    for (const auto retranslate : {retranslatedMove, retranslatedCount, retranslatedCaption}) {
        if (auto text = retranslate(shown, from, to)) {
            return *std::move(text);
        }
    }
    return retranslated(shown, from, to);
}

}  // namespace kalvenor
