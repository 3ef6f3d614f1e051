#include "records/texts.h"

#include <array>
#include <ctime>

#include "catalog/localized.h"
#include "engine/coordinates.h"

namespace kalvenor {

namespace {

// TRANSLATORS: the axes in the texts of moves ("縦:5  横:4 ...").
constexpr std::array<std::string_view, kMaxDimension> kAxisNames = {
    catalogText("縦"),         catalogText("横"),      catalogText("高さ"),    catalogText("時間軸"),
    catalogText("平行世界軸"), catalogText("抽象軸A"), catalogText("抽象軸B"), catalogText("抽象軸C"),
};

std::string_view sideMark(CellState side) {
    return side == CellState::First ? "■" : "□";
}

bool isPlayableDimension(int dimension) {
    return dimension >= kMinDimension && dimension <= kMaxDimension;
}

// " ■ <kind>: 縦:1  横:2 ..." with one item per axis, each coordinate shown plus one.
std::string moveText(std::string_view kindWord, int dimension, std::int32_t cell, CellState side,
                     Language language) {
    if (!isPlayableDimension(dimension)) {
        return {};
    }
    std::string text = " ";
    text += sideMark(side);
    text += ' ';
    text += kindWord;
    text += ": ";
    return text + coordinatesText(dimension, cell, language);
}

}  // namespace

std::string coordinatesText(int dimension, std::int32_t cell, Language language) {
    std::string text;
    for (int axis = 0; axis < dimension && isPlayableDimension(dimension); ++axis) {
        if (axis > 0) {
            text += "  ";
        }
        text += localized(kAxisNames[static_cast<std::size_t>(axis)], language);
        text += ':';
        text += numberText(coordinateOf(cell, axis) + 1);
    }
    return text;
}

std::string playerMoveText(int dimension, std::int32_t cell, CellState side, Language language) {
    return moveText("player choice", dimension, cell, side, language);
}

std::string cpuMoveText(int dimension, std::int32_t cell, CellState side, Language language) {
    return moveText("cpu choice", dimension, cell, side, language);
}

std::string cpuRecordMoveText(int dimension, std::int32_t cell, CellState side) {
    return moveText("cpu    choice", dimension, cell, side, Language::Japanese);
}

std::string cpuPassText(CellState side) {
    std::string text = " ";
    text += sideMark(side);
    text += " cpu choice : auto pass ";
    return text;
}

namespace {

std::string playerChoiceLine(CellState side, std::string_view choice) {
    std::string text = " ";
    text += sideMark(side);
    text += " player choice : ";
    text += choice;
    text += ' ';
    return text;
}

}  // namespace

std::string takeBackText(CellState side) {
    return playerChoiceLine(side, "待った");
}

std::string redoText(CellState side) {
    return playerChoiceLine(side, "やり直し");
}

std::string stoneCountText(const Board& board, CellState side, Language language) {
    // Only the three cell values can be counted; any other side value has no stones.
    const bool countable = static_cast<int>(side) <= static_cast<int>(CellState::Second);
    std::string text = " ";
    text += sideMark(side);
    // TRANSLATORS: between a stone and the number of such stones on the board (" ■：12").
    text += localized("：", language);
    text += numberText(countable ? board.count(side) : 0);
    return text;
}

std::string numberText(std::int32_t value) {
    return std::to_string(value);
}

std::string oneNumberText(std::string_view format, std::int32_t value) {
    std::string text(format);
    if (const auto at = text.find("%d"); at != std::string::npos) {
        text.replace(at, 2, numberText(value));
    }
    return text;
}

std::string timestampText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return timestampText(local);
}

std::string timestampText(const std::tm& localTime) {
    std::string text = " ";
    text += numberText(localTime.tm_year + 1900);
    text += ' ';
    text += numberText(localTime.tm_mon + 1);
    text += "月";
    text += numberText(localTime.tm_mday);
    text += "日 ";
    text += numberText(localTime.tm_hour);
    text += ':';
    text += numberText(localTime.tm_min);
    text += ':';
    text += numberText(localTime.tm_sec);
    return text;
}

}  // namespace kalvenor
