#include <array>

#include "catalog/localized.h"
#include "engine/coordinates.h"
#include "records/texts.h"

namespace kalvenor {

namespace {

std::string_view japaneseResultText(CellState winner, GameMode mode, CellState humanSide) {
    if (winner != CellState::First && winner != CellState::Second) {
        return catalogText(" 引き分け");
    }
    const bool firstWins = winner == CellState::First;
    switch (mode) {
        case GameMode::HumanVsHuman:
            return firstWins ? catalogText(" 先手 勝利 : ■ ") : catalogText(" 後手 勝利 : □ ");
        case GameMode::HumanVsCpu: {
            const bool personWins = (humanSide == CellState::First) == firstWins;
            if (firstWins) {
                return personWins ? catalogText(" プレイヤー勝利 ■:先手 ") : catalogText(" CPU勝利 ■:先手 ");
            }
            return personWins ? catalogText(" プレイヤー勝利 □:後手 ") : catalogText(" CPU勝利 □:後手 ");
        }
        case GameMode::CpuVsCpu:
            return firstWins ? catalogText(" CPU A 勝利 ■:先手 ") : catalogText(" CPU B 勝利 □:後手 ");
    }
    return {};
}

}  // namespace

std::string_view dimensionText(int dimension, Language language) {
    static constexpr std::array<std::string_view, kMaxDimension - kMinDimension + 1> kDimensions = {
        catalogText("２次元"), catalogText("３次元"), catalogText("４次元"), catalogText("５次元"),
        catalogText("６次元"), catalogText("７次元"), catalogText("８次元"),
    };
    if (dimension < kMinDimension || dimension > kMaxDimension) {
        return {};
    }
    return localized(kDimensions[static_cast<std::size_t>(dimension - kMinDimension)], language);
}

std::string_view modeName(GameMode mode, Language language) {
    switch (mode) {
        case GameMode::HumanVsHuman:
            return localized("対人戦", language);
        case GameMode::HumanVsCpu:
            return localized("対CPU戦", language);
        case GameMode::CpuVsCpu:
            return "CPU vs CPU";
    }
    return {};
}

std::string dimensionAndModeText(int dimension, GameMode mode, Language language) {
    std::string text(dimensionText(dimension, language));
    // TRANSLATORS: between the dimension and the kind of game ("３次元：対人戦").
    text += localized("：", language);
    text += modeName(mode, language);
    return text;
}

std::string_view resultText(CellState winner, GameMode mode, CellState humanSide, Language language) {
    return localized(japaneseResultText(winner, mode, humanSide), language);
}

}  // namespace kalvenor
