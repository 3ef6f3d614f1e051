#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include "records/texts.h"

namespace kalvenor {
namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(BoardText, TwoAxesRowsRunAlongAxisZero) {
    Board board(2);
    board.set(13, CellState::First);   // (5, 1): row 6, column 2
    board.set(56, CellState::Second);  // (0, 7): row 1, column 8
    EXPECT_EQ(boardText(board),
              "    1 2 3 4 5 6 7 8\n"
              " 1 －－－－－－－□\n"
              " 2 －－－－－－－－\n"
              " 3 －－－－－－－－\n"
              " 4 －－－－－－－－\n"
              " 5 －－－－－－－－\n"
              " 6 －■－－－－－－\n"
              " 7 －－－－－－－－\n"
              " 8 －－－－－－－－\n");
}

TEST(BoardText, ThreeAxesBlocksFollowAxisOneAndColumnsAxisTwo) {
    Board board(3);
    board.set(64 * 5 + 8 * 2 + 7, CellState::Second);  // block 3, row 8, column 6
    board.set(8 * 6 + 1, CellState::First);            // block 7, row 2, column 1
    const std::string text = boardText(board);
    ASSERT_EQ(text.back(), '\n');
    const std::vector<std::string> lines = linesOf(text);
    ASSERT_EQ(lines.size(), 20U);

    const std::string empty = "－－－－－－－－";
    const std::string numbers = "    1 2 3 4 5 6 7 8";
    EXPECT_EQ(lines[0], numbers + numbers + numbers + numbers);
    EXPECT_EQ(lines[10], lines[0]);
    EXPECT_EQ(lines[8], " 8 " + empty + " 8 " + empty + " 8 －－－－－□－－ 8 " + empty);
    EXPECT_EQ(lines[12], " 2 " + empty + " 2 " + empty + " 2 ■－－－－－－－ 2 " + empty);
    EXPECT_EQ(lines[9], "        １段目             ２段目             ３段目             ４段目     ");
    EXPECT_EQ(lines[19], "        ５段目             ６段目             ７段目             ８段目     ");
    // Every other row is empty in all four blocks.
    EXPECT_EQ(lines[1], " 1 " + empty + " 1 " + empty + " 1 " + empty + " 1 " + empty);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 20);
}

TEST(BoardText, IsEmptyForFourOrMoreAxes) {
    Board board(4);
    board.set(0, CellState::First);
    EXPECT_EQ(boardText(board), "");
}

}  // namespace
}  // namespace kalvenor
