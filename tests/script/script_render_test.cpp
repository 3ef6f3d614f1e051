#include "script_render.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "platform/headless/headless.h"
#include "view/board_view.h"

namespace kalvenor::script {
namespace {

std::intptr_t quietProc(platform::WindowHandle, unsigned, platform::WParam, platform::LParam) {
    return 0;
}

// A session with a window and a view of `dimension` axes, built without a game around it, so
// that each test can write the button texts it needs.
class RenderedView : public ::testing::Test {
  protected:
    void build(int dimension) {
        session.window = platform::createMainWindow({"Title \"quoted\"", 1024, 750, {}}, &quietProc, nullptr);
        session.state.dimension = dimension;
        buildBoardView(session.view, session.window, {dimension, GameMode::HumanVsHuman});
    }
    void TearDown() override { platform::destroyMainWindow(session.window); }

    std::string shown() const {
        std::ostringstream out;
        printWindow(out, session);
        return out.str();
    }

    Session session;
};

TEST_F(RenderedView, WideGuideMarksKeepTheColumnsAligned) {
    build(2);
    const auto& cells = session.view.cellButtons;
    platform::setControlText(cells[0], "■");   // a = 0, b = 0
    platform::setControlText(cells[8], "12");  // a = 1, b = 0
    platform::setControlText(cells[1], "↓");   // a = 0, b = 1
    const std::string text = shown();
    EXPECT_NE(text.find("cells 0..63\n■  12 .  .  .  .  .  .\n↓  .  .  .  .  .  .  .\n.  .  ."),
              std::string::npos)
        << text;
    EXPECT_EQ(text.rfind("window \"Title \\\"quoted\\\"\"\n", 0), 0u) << "the title is quoted and escaped";
}

TEST_F(RenderedView, LayersStandInTwoRowsOfFourWithAxisZeroDown) {
    build(3);
    // Cell 64 * 6 + 8 * 3 + 5: layer 6 (second block row, third block), column a = 3, row b = 5.
    platform::setControlText(session.view.cellButtons[64 * 6 + 8 * 3 + 5], "□");
    const std::string text = shown();
    EXPECT_NE(text.find("\n\nlayer 4           layer 5           layer 6           layer 7\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find(". . . . . . . .   . . . . . . . .   . . . □ . . . .   . . . . . . . .\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("InfoLabels[13] = \"３次元：対人戦\"\n"), std::string::npos);
    EXPECT_NE(text.find("GuideControls[4] = \"パス\" (button) (hidden)\n"), std::string::npos);
}

TEST(QuotedText, EscapesWhatWouldBreakTheLine) {
    EXPECT_EQ(quotedText("a\nb \"c\" \\ d\r"), "\"a\\nb \\\"c\\\" \\\\ d\\r\"");
}

TEST(RenderedBoard, DigitsEightToARowWithBlankLinesBetweenLayers) {
    Board board(3);
    board.set(0, CellState::First);
    board.set(65, CellState::Second);
    std::ostringstream out;
    printBoard(out, board);
    const std::string text = out.str();
    EXPECT_EQ(text.size(), 512 + 64 + 7u) << "512 digits, 64 line ends, 7 blank lines";
    EXPECT_EQ(text.substr(0, 18), "10000000\n00000000\n");
    EXPECT_EQ(text.substr(8 * 9, 19), "\n02000000\n00000000\n");
    EXPECT_EQ(text.substr(text.size() - 10), "\n00000000\n");
}

}  // namespace
}  // namespace kalvenor::script
