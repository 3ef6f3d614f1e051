#include "engine/coordinates.h"
#include "records/texts.h"

namespace kalvenor {

std::string dimensionText(int dimension) {
    if (dimension < kMinDimension || dimension > kMaxDimension) {
        return {};
    }
    // The full-width digits U+FF10..U+FF19 are EF BC 90..99 in UTF-8.
    std::string text = "\xEF\xBC";
    text += static_cast<char>(0x90 + dimension);
    text += "次元";
    return text;
}

std::string_view modeName(GameMode mode) {
    switch (mode) {
        case GameMode::HumanVsHuman:
            return "対人戦";
        case GameMode::HumanVsCpu:
            return "対CPU戦";
        case GameMode::CpuVsCpu:
            return "CPU vs CPU";
    }
    return {};
}

std::string dimensionAndModeText(int dimension, GameMode mode) {
    return dimensionText(dimension) + "：" + std::string(modeName(mode));
}

std::string_view resultText(CellState winner, GameMode mode, CellState humanSide) {
    if (winner != CellState::First && winner != CellState::Second) {
        return " 引き分け";
    }
    const bool firstWins = winner == CellState::First;
    switch (mode) {
        case GameMode::HumanVsHuman:
            return firstWins ? " 先手 勝利 : ■ " : " 後手 勝利 : □ ";
        case GameMode::HumanVsCpu: {
            const bool personWins = (humanSide == CellState::First) == firstWins;
            if (firstWins) {
                return personWins ? " プレイヤー勝利 ■:先手 " : " CPU勝利 ■:先手 ";
            }
            return personWins ? " プレイヤー勝利 □:後手 " : " CPU勝利 □:後手 ";
        }
        case GameMode::CpuVsCpu:
            return firstWins ? " CPU A 勝利 ■:先手 " : " CPU B 勝利 □:後手 ";
    }
    return {};
}

}  // namespace kalvenor
