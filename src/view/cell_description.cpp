#include "view/cell_description.h"

#include "platform/cell_look.h"
#include "records/texts.h"

namespace kalvenor {

namespace {

// The words of this file, together so that the text catalog takes them in one place.
constexpr std::string_view kFirstStone = "先手の石";
constexpr std::string_view kSecondStone = "後手の石";
constexpr std::string_view kEmpty = "空き";
constexpr std::string_view kLegalMark = "↓";
constexpr std::string_view kLegal = "打てる";
constexpr std::string_view kEnclosesSuffix = "個返せる";
constexpr std::string_view kLastMove = "最後の手";
constexpr std::string_view kTurned = "最後の手で返った石";
constexpr std::string_view kFive = "勝った五目";

std::string contentWords(std::string_view buttonText) {
    if (buttonText == platform::cell_look::firstStoneText) {
        return std::string(kFirstStone) + " " + std::string(buttonText);
    }
    if (buttonText == platform::cell_look::secondStoneText) {
        return std::string(kSecondStone) + " " + std::string(buttonText);
    }
    if (buttonText.empty()) {
        return std::string(kEmpty);
    }
    if (buttonText == kLegalMark) {
        return std::string(kEmpty) + " " + std::string(kLegalMark) + " " + std::string(kLegal);
    }
    // The detailed guide's count.
    return std::string(kEmpty) + " " + std::string(buttonText) + std::string(kEnclosesSuffix);
}

}  // namespace

std::string cellAccessibleName(int dimension, std::int32_t cell, std::string_view buttonText) {
    return coordinatesText(dimension, cell) + "  " + contentWords(buttonText);
}

std::string_view cellAccessibleDescription(platform::CellHighlight highlight) {
    switch (highlight) {
        case platform::CellHighlight::LastMove:
            return kLastMove;
        case platform::CellHighlight::Turned:
            return kTurned;
        case platform::CellHighlight::Five:
            return kFive;
        case platform::CellHighlight::None:
            break;
    }
    return {};
}

}  // namespace kalvenor
