#include "view/cell_description.h"

#include "catalog/localized.h"
#include "platform/cell_look.h"
#include "records/texts.h"

namespace kalvenor {

namespace {

// The words of this file, shown through localized().
constexpr std::string_view kFirstStone = catalogText("先手の石");
constexpr std::string_view kSecondStone = catalogText("後手の石");
constexpr std::string_view kEmpty = catalogText("空き");
constexpr std::string_view kLegalMark = "↓";
constexpr std::string_view kLegal = catalogText("打てる");
constexpr std::string_view kEnclosesSuffix = catalogText("個返せる");
constexpr std::string_view kLastMove = catalogText("最後の手");
constexpr std::string_view kTurned = catalogText("最後の手で返った石");
constexpr std::string_view kFive = catalogText("勝った五目");
constexpr std::string_view kThreatWin = catalogText("ここに打てば五目");
constexpr std::string_view kThreatBlock = catalogText("相手がここに打てば五目");
constexpr std::string_view kTurnedCount = catalogText("%s個返った。");
constexpr std::string_view kPass = catalogText("パス。");

std::string contentWords(std::string_view buttonText) {
    if (buttonText == platform::cell_look::firstStoneText) {
        return std::string(localized(kFirstStone)) + " " + std::string(buttonText);
    }
    if (buttonText == platform::cell_look::secondStoneText) {
        return std::string(localized(kSecondStone)) + " " + std::string(buttonText);
    }
    if (buttonText.empty()) {
        return std::string(localized(kEmpty));
    }
    if (buttonText == kLegalMark) {
        return std::string(localized(kEmpty)) + " " + std::string(kLegalMark) + " " +
               std::string(localized(kLegal));
    }
    // The detailed guide's count.
    return std::string(localized(kEmpty)) + " " + std::string(buttonText) +
           std::string(localized(kEnclosesSuffix));
}

}  // namespace

std::optional<std::string_view> stoneText(CellState state) {
    switch (state) {
        case CellState::First:
            return platform::cell_look::firstStoneText;
        case CellState::Second:
            return platform::cell_look::secondStoneText;
        case CellState::Empty:
            break;
    }
    return std::nullopt;
}

std::string cellAccessibleName(int dimension, std::int32_t cell, std::string_view buttonText) {
    return coordinatesText(dimension, cell, displayLanguage()) + "  " + contentWords(buttonText);
}

std::string_view cellAccessibleDescription(platform::CellHighlight highlight) {
    switch (highlight) {
        case platform::CellHighlight::LastMove:
            return localized(kLastMove);
        case platform::CellHighlight::Turned:
            return localized(kTurned);
        case platform::CellHighlight::Five:
            return localized(kFive);
        case platform::CellHighlight::ThreatWin:
            return localized(kThreatWin);
        case platform::CellHighlight::ThreatBlock:
            return localized(kThreatBlock);
        case platform::CellHighlight::None:
            break;
    }
    return {};
}

std::string moveAnnouncement(int dimension, std::int32_t cell, CellState side, std::size_t turned) {
    std::string text = cellAccessibleName(dimension, cell, stoneText(side).value_or(""));
    if (turned > 0) {
        text += "  " + localizedFormat(kTurnedCount, numberText(static_cast<std::int32_t>(turned)));
    }
    return text;
}

std::string passAnnouncement(CellState side) {
    return contentWords(stoneText(side).value_or("")) + "  " + std::string(localized(kPass));
}

}  // namespace kalvenor
