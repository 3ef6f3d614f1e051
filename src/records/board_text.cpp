#include "records/texts.h"

namespace kalvenor {

namespace {

constexpr std::string_view kColumnNumbers = "    1 2 3 4 5 6 7 8";

std::string_view cellMark(CellState state) {
    switch (state) {
        case CellState::First:
            return "■";
        case CellState::Second:
            return "□";
        case CellState::Empty:
            break;
    }
    return "－";
}

// " r " then the marks of the eight cells first, first + step, ... of one row.
void appendRow(std::string& text, const Board& board, int row, std::int32_t first, std::int32_t step) {
    text += ' ';
    text += numberText(row + 1);
    text += ' ';
    for (int column = 0; column < 8; ++column) {
        text += cellMark(board[first + step * column]);
    }
}

// Rows along coordinate 0, columns along coordinate 1.
std::string twoAxisText(const Board& board) {
    std::string text(kColumnNumbers);
    text += '\n';
    for (int row = 0; row < 8; ++row) {
        appendRow(text, board, row, row, 8);
        text += '\n';
    }
    return text;
}

// Eight blocks, four side by side per group; block L holds coordinate 1 = L, its rows run along
// coordinate 0 and its columns along coordinate 2.
std::string threeAxisText(const Board& board) {
    constexpr std::string_view kCaptions[2] = {
        "        １段目             ２段目             ３段目             ４段目     \n",
        "        ５段目             ６段目             ７段目             ８段目     \n",
    };
    std::string text;
    for (int group = 0; group < 2; ++group) {
        for (int block = 0; block < 4; ++block) {
            text += kColumnNumbers;
        }
        text += '\n';
        for (int row = 0; row < 8; ++row) {
            for (int block = 4 * group; block < 4 * group + 4; ++block) {
                appendRow(text, board, row, row + 8 * block, 64);
            }
            text += '\n';
        }
        text += kCaptions[group];
    }
    return text;
}

}  // namespace

std::string boardText(const Board& board) {
    switch (board.dimension()) {
        case 2:
            return twoAxisText(board);
        case 3:
            return threeAxisText(board);
        default:
            return {};
    }
}

}  // namespace kalvenor
