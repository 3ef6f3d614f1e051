#pragma once

// How a cell button looks in the desktop programs, whatever draws it: a board-coloured square with
// a thin grid line, a stone as a disc, a guide mark as bold text, the highlight of the last move,
// the turned stones and the winning five, and the frame of the keyboard cursor; an Empty cell that
// a threat marks is filled with the threat's colour behind its text. Sizes are fractions of the
// cell's shorter side.

#include <cstdint>
#include <string_view>

#include "platform/window_system.h"

namespace kalvenor::platform::cell_look {

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

inline constexpr Rgb board{222, 184, 120};
inline constexpr Rgb grid{120, 90, 50};
inline constexpr Rgb blackStone{20, 20, 20};
inline constexpr Rgb whiteStone{250, 250, 248};
inline constexpr Rgb stoneRim{40, 40, 40};
inline constexpr Rgb markText{60, 30, 0};

// The texts the game writes on a cell for a stone of each side.
inline constexpr std::string_view firstStoneText = "■";
inline constexpr std::string_view secondStoneText = "□";

inline constexpr double stoneRadius = 0.40;
inline constexpr double stoneRimWidth = 1.0 / 18;
inline constexpr double markHeight = 0.62;
inline constexpr double highlightWidth = 1.0 / 9;  // a frame for the last move and the five
inline constexpr double turnedDotRadius = 0.12;    // a dot on a stone the last move turned
inline constexpr double threatInset = 1.0 / 7;     // a threat mark fills the cell inside this margin

// The keyboard cursor, while the board has the focus: a frame inside the highlight frames, in a
// colour none of them uses, so that it reads beside any of them.
inline constexpr Rgb cursorFrame{120, 20, 170};
inline constexpr double cursorInset = highlightWidth;  // from the edge: clear of a highlight frame
inline constexpr double cursorWidth = 1.0 / 10;

constexpr Rgb highlightColour(CellHighlight highlight) {
    switch (highlight) {
        case CellHighlight::LastMove:
            return {220, 30, 30};
        case CellHighlight::Turned:
            return {30, 110, 230};
        case CellHighlight::Five:
            return {20, 170, 60};
        case CellHighlight::ThreatWin:
            return {250, 200, 30};  // gold: a five here wins
        case CellHighlight::ThreatBlock:
            return {80, 200, 240};  // light blue: the opponent's five, to block; a cool colour far
                                    // from the gold of a win and from the cursor's purple
        case CellHighlight::None:
            break;
    }
    return {0, 0, 0};
}

}  // namespace kalvenor::platform::cell_look
