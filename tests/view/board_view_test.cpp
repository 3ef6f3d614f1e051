#include "view/board_view.h"

#include <gtest/gtest.h>

#include "game/opening_game.h"
#include "game/slice_navigation.h"
#include "records/saved_game.h"
#include "ui/window_fixture.h"

namespace kalvenor {
namespace {

using platform::ControlHandle;
using testing_support::WindowTest;
namespace headless = platform::headless;
namespace trackbar = platform::trackbar;

using BoardViewTest = WindowTest;

TEST_F(BoardViewTest, DestroyStopsAtTheViewsLastControl) {
    command(108);  // five axes: two axis groups, AxisControls slots 0..5 and nothing beyond
    ASSERT_EQ(axisGroupCount(session.view), 2);
    ASSERT_EQ(session.view.axisControls.size(), 6u);
    EXPECT_NE(axisGroup(session.view, 1).value, nullptr);
    const std::vector<ControlHandle> axis = session.view.axisControls;

    destroyBoardView(session.view);
    EXPECT_TRUE(headless::liveControls(window).empty());
    for (ControlHandle control : axis) {
        EXPECT_FALSE(headless::isLive(window, control));
    }
    // The arrays are still there, emptied, so destroying again destroys nothing twice.
    EXPECT_EQ(session.view.cellButtons.size(), 512u);
    destroyBoardView(session.view);
    releaseBoardView(session.view);
    EXPECT_TRUE(session.view.cellButtons.empty());
    EXPECT_TRUE(session.view.axisControls.empty());
    releaseBoardView(session.view);
}

TEST_F(BoardViewTest, RedrawShowsStonesAndGuideMarks) {
    command(102);
    Board& board = *session.board;
    // Cell 0 encloses 2 stones down axis 0 (1, 2 then First at 3) and 1 across axis 1 (8, then 16).
    board.set(1, CellState::Second);
    board.set(2, CellState::Second);
    board.set(3, CellState::First);
    board.set(8, CellState::Second);
    board.set(16, CellState::First);

    refreshBoardView(session.view, board, 0, 0, CellState::First);
    EXPECT_EQ(cellText(0), "");
    EXPECT_EQ(cellText(1), "□");
    EXPECT_EQ(cellText(3), "■");

    refreshBoardView(session.view, board, 0, 1, CellState::First);
    EXPECT_EQ(cellText(0), "↓");
    EXPECT_EQ(cellText(63), "");  // encloses nothing
    refreshBoardView(session.view, board, 0, 2, CellState::First);
    EXPECT_EQ(cellText(0), "3");
    EXPECT_EQ(cellText(63), "");
    // For Second, cell 0 encloses nothing; cell 4 encloses the First stone at 3.
    refreshBoardView(session.view, board, 0, 2, CellState::Second);
    EXPECT_EQ(cellText(0), "");
    EXPECT_EQ(cellText(4), "1");

    refreshStonesOnly(session.view, board, 0);
    EXPECT_EQ(cellText(4), "");
    EXPECT_EQ(cellText(0), "");
    EXPECT_EQ(cellText(16), "■");
}

TEST_F(BoardViewTest, FourAxesSlices) {
    command(106);
    EXPECT_EQ(session.state.viewOffset, 1536);
    Board& board = *session.board;
    board.set(0, CellState::First);
    board.set(511, CellState::Second);
    board.set(1536, CellState::Second);
    board.set(3584, CellState::First);
    board.set(4095, CellState::Second);

    headless::dragTrackBar(trackBar(0), 1);
    EXPECT_EQ(session.state.viewOffset, 0);
    EXPECT_EQ(trackValue(0), "1");
    EXPECT_EQ(cellText(0), "■");
    EXPECT_EQ(cellText(511), "□");

    headless::dragTrackBar(trackBar(0), 8);
    EXPECT_EQ(session.state.viewOffset, 3584);
    EXPECT_EQ(trackValue(0), "8");
    EXPECT_EQ(cellText(0), "■");
    EXPECT_EQ(cellText(511), "□");

    headless::dragTrackBar(trackBar(0), 4);
    EXPECT_EQ(session.state.viewOffset, 1536);
    EXPECT_EQ(cellText(0), "□");
    EXPECT_EQ(cellText(511), "");
}

TEST_F(BoardViewTest, EveryBarIsReadAgain) {
    command(107 + 16);  // 123: five axes between computers
    headless::dragTrackBar(trackBar(1), 6);
    EXPECT_EQ(session.state.viewOffset, 3 * 512 + 5 * 4096);  // 22,016
    EXPECT_EQ(trackValue(0), "4");
    EXPECT_EQ(trackValue(1), "6");

    // A bar set without a notification is picked up when another bar reports.
    platform::setTrackBarPosition(trackBar(1), 2);
    headless::sendTrackBarCode(trackBar(0), trackbar::LineDown);
    EXPECT_EQ(session.state.viewOffset, 3 * 512 + 1 * 4096);
    EXPECT_EQ(trackValue(1), "6");  // only the reporting bar's label is rewritten
}

TEST_F(BoardViewTest, NotificationsThatChangeNothing) {
    command(114);  // eight axes
    const std::int32_t start = session.state.viewOffset;
    EXPECT_EQ(start, 7190016);

    // The end of tracking.
    platform::setTrackBarPosition(trackBar(2), 1);
    headless::sendTrackBarCode(trackBar(2), trackbar::EndTrack);
    EXPECT_EQ(session.state.viewOffset, start);
    EXPECT_EQ(trackValue(2), "4");

    // Controls that are not one of the view's track bars.
    headless::sendMessage(window, platform::message::HScroll, platform::makeWParam(trackbar::ThumbTrack, 1),
                          platform::toLParam(session.view.cellButtons[0]));
    headless::sendMessage(window, platform::message::HScroll, platform::makeWParam(trackbar::ThumbTrack, 1),
                          0);
    EXPECT_EQ(session.state.viewOffset, start);

    // Every code 0..7 moves the slice; all bars at 8 show the last slice.
    int code = 0;
    for (int k = 0; k < 5; ++k) {
        platform::setTrackBarPosition(trackBar(k), 8);
        headless::sendTrackBarCode(trackBar(k), code++);
    }
    EXPECT_EQ(session.state.viewOffset, 16776704);
    headless::sendTrackBarCode(trackBar(0), trackbar::Top);
    headless::sendTrackBarCode(trackBar(0), trackbar::Bottom);
    headless::sendTrackBarCode(trackBar(0), trackbar::ThumbTrack);
    EXPECT_EQ(session.state.viewOffset, 16776704);
}

TEST_F(BoardViewTest, TwoAndThreeAxesIgnoreTrackBarMessages) {
    for (int id : {102, 104}) {
        command(id);
        headless::sendMessage(window, platform::message::HScroll,
                              platform::makeWParam(trackbar::ThumbTrack, 1),
                              platform::toLParam(session.view.cellButtons[0]));
        EXPECT_EQ(session.state.viewOffset, 0);
    }
    // Before any game as well.
    Session fresh;
    onAxisScroll(fresh, trackbar::ThumbTrack, nullptr);
    EXPECT_EQ(fresh.state.viewOffset, 0);
}

// A game saved to a file and loaded through the window, with its guide level.
class LoadedGameTest : public WindowTest {
  protected:
    void load(const SavedGame& game) {
        // One file per test: CTest runs the cases of this fixture side by side.
        const std::string testName = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        const auto path = std::filesystem::temp_directory_path() / ("kalvenor-ui-" + testName + ".gd");
        ASSERT_TRUE(writeSavedGame(path, game.header, game.board).ok());
        headless::queueFileDialogAnswer(window, path.string());
        command(151);
        std::filesystem::remove(path);
        ASSERT_EQ(session.state.dimension, game.header.dimension);
    }
};

TEST_F(LoadedGameTest, GuideLevelsOnALoadedBoard) {
    SavedGame game = standardOpeningGame(2, GameMode::HumanVsHuman);
    game.header.guideLevel = 1;
    load(game);
    // The four-stone start: First may play where it encloses one Second stone.
    const std::int32_t legal[] = {3 + 8 * 2, 2 + 8 * 3, 5 + 8 * 4, 4 + 8 * 5};
    for (std::int32_t cell = 0; cell < 64; ++cell) {
        const CellState state = (*session.board)[cell];
        if (state == CellState::Empty) {
            const bool isLegal = std::find(std::begin(legal), std::end(legal), cell) != std::end(legal);
            EXPECT_EQ(cellText(cell), isLegal ? "↓" : "") << cell;
        } else {
            EXPECT_EQ(cellText(cell), state == CellState::First ? "■" : "□") << cell;
        }
    }

    game.header.guideLevel = 2;
    load(game);
    for (std::int32_t cell : legal) {
        EXPECT_EQ(cellText(cell), "1") << cell;
    }
    EXPECT_EQ(text(session.view.guideControls[3]), "[詳細]");
    EXPECT_EQ(rectOf(session.view.guideControls[0]), (platform::Rect{205, 0, 120, 28}));
}

// Moving through the slices keeps the guide of the loaded game.
TEST_F(LoadedGameTest, GuideFollowsTheSlice) {
    SavedGame game = standardOpeningGame(4, GameMode::HumanVsHuman);
    game.header.guideLevel = 2;
    load(game);
    const auto marks = [&] {
        int count = 0;
        for (int slot = 0; slot < 512; ++slot) {
            const std::string shown = cellText(slot);
            count += !shown.empty() && shown != "■" && shown != "□";
        }
        return count;
    };
    const int atStart = marks();
    EXPECT_GT(atStart, 0);
    headless::dragTrackBar(trackBar(0), 1);  // far from every stone
    EXPECT_EQ(marks(), 0);
    headless::dragTrackBar(trackBar(0), 4);
    EXPECT_EQ(marks(), atStart);
}

// The track bars of a loaded view show the slice it displays; moving one goes on from there.
TEST_F(LoadedGameTest, TrackBarsShowTheRestoredSlice) {
    SavedGame game = standardOpeningGame(5, GameMode::HumanVsHuman);
    game.header.viewOffset = 7 * 512 + 1 * 4096;
    load(game);
    EXPECT_EQ(session.state.viewOffset, 7 * 512 + 4096);
    EXPECT_EQ(headless::record(trackBar(0)).trackPosition, 8);
    EXPECT_EQ(trackValue(0), "8");
    EXPECT_EQ(headless::record(trackBar(1)).trackPosition, 2);
    EXPECT_EQ(trackValue(1), "2");

    // Touching a bar without moving it keeps the slice on screen.
    headless::sendTrackBarCode(trackBar(0), trackbar::ThumbPosition);
    EXPECT_EQ(session.state.viewOffset, 7 * 512 + 4096);
    headless::dragTrackBar(trackBar(1), 1);
    EXPECT_EQ(session.state.viewOffset, 7 * 512);
}

}  // namespace
}  // namespace kalvenor
