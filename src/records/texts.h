#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

#include "catalog/language.h"
#include "engine/board.h"
#include "engine/cell_state.h"
#include "records/game_mode.h"

namespace kalvenor {

// Every text is UTF-8 and returned whole. A side value other than First (1) gives the "□" form.
// Texts that the record and the screen share take the language to write them in: the record is
// always written in Japanese, the screen in the display language.

// " ■ player choice: 縦:%d  横:%d ..." with one item per axis, coordinates shown 1..8.
// Empty for a dimension outside 2..8.
std::string playerMoveText(int dimension, std::int32_t cell, CellState side,
                           Language language = Language::Japanese);
// "縦:%d  横:%d ...": the coordinates of a cell as the move texts show them, 1..8.
std::string coordinatesText(int dimension, std::int32_t cell, Language language = Language::Japanese);
// The same with "cpu choice" (last-move label) and "cpu    choice" (record line).
std::string cpuMoveText(int dimension, std::int32_t cell, CellState side,
                        Language language = Language::Japanese);
std::string cpuRecordMoveText(int dimension, std::int32_t cell, CellState side);
// " ■ cpu choice : auto pass " (with its trailing blank): the label and record line of a CPU pass.
std::string cpuPassText(CellState side);
// " ■ player choice : 待った " (with its trailing blank): the record line of a move taken back,
// with the mark of the person who took it back.
std::string takeBackText(CellState side);
// " ■ player choice : やり直し ": the record line of a move played again, in the same style.
std::string redoText(CellState side);

// " ■：%d" / " □：%d" with the number of the side's stones on the board.
std::string stoneCountText(const Board& board, CellState side, Language language = Language::Japanese);

// The number as "%d".
std::string numberText(std::int32_t value);

// `format` with its one "%d" replaced by value. Only the program's own formats are passed.
std::string oneNumberText(std::string_view format, std::int32_t value);

// " %d %d月%d日 %d:%d:%d" from the local time now, or from `localTime`.
std::string timestampText();
std::string timestampText(const std::tm& localTime);

// The picture of a board of two axes (9 lines) or three axes (20 lines), each line ending in LF;
// empty for four or more axes.
std::string boardText(const Board& board);

// "２次元" ... "８次元"; the mode names "対人戦", "対CPU戦", "CPU vs CPU"; and the joined caption
// "３次元：対人戦" (the mode line of the record is a blank followed by it).
std::string_view dimensionText(int dimension, Language language = Language::Japanese);
std::string_view modeName(GameMode mode, Language language = Language::Japanese);
std::string dimensionAndModeText(int dimension, GameMode mode, Language language = Language::Japanese);

// The result as the turn label and the record show it (" 先手 勝利 : ■ ", " 引き分け", ...).
// winner is First, Second or Empty for a draw.
std::string_view resultText(CellState winner, GameMode mode, CellState humanSide,
                            Language language = Language::Japanese);

// A text of the game's labels shown in `from`, as `to` shows it: a move, a stone count, the
// dimension and mode caption, or any text retranslated() knows; other texts stay as they are.
std::string retranslatedGameText(std::string_view shown, Language from, Language to);

}  // namespace kalvenor
