// The Windows program under Wine: the real window, its menu, buttons, track bars and dialogs,
// driven from this process through the messages a person's clicks would send.

#include <gtest/gtest.h>
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "game/record_timestamp.h"
#include "platform/cell_look.h"
#include "platform/win32/win32_access.h"
#include "records/utf8_path.h"
#include "window_driver.h"

namespace kalvenor::win32_test {
namespace {

namespace fs = std::filesystem;

constexpr int kTwoPeopleTwoAxes = 102;
constexpr int kTwoPeopleFourAxes = 106;
constexpr int kAgainstTheComputerTwoAxes = 101;
constexpr int kAgainstTheComputerThreeAxes = 103;
constexpr int kComputersTwoAxes = 120;
constexpr int kSave = 150;
constexpr int kRecordSwitch = 152;
constexpr int kLoad = 151;
constexpr int kQuit = 255;
constexpr int kEnglish = 212;
constexpr int kFollowTheSystem = 213;
constexpr int kRules = 209;

// The programs under test: the build's own, or those named in the environment (the unpacked zip).
fs::path programPath(const char* variable, const char* built) {
    const char* named = std::getenv(variable);
    return named != nullptr && *named != '\0' ? fs::path(named) : fs::path(built);
}

fs::path kalvenorProgram() {
    return programPath("KALVENOR_PROGRAM", KALVENOR_PROGRAM);
}

fs::path commandProgram() {
    return programPath("KALVENOR_COMMAND_PROGRAM", KALVENOR_COMMAND_PROGRAM);
}

class DesktopProgram : public ::testing::Test {
  protected:
    void SetUp() override {
        // A folder whose name needs the wide-character API: Japanese and a space.
        folder_ = fs::temp_directory_path() /
                  pathFromUtf8("kalvenor 対局-" + std::to_string(GetCurrentProcessId()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        // Every test meets the program as new, nothing remembered from another, and in Japanese: the
        // texts the tests look for are the classic program's.
        startAsNew("ja");
        program_ = std::make_unique<RunningProgram>(kalvenorProgram(), folder_);
        window_ = program_->mainWindow();
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override {
        if (window_ != nullptr && IsWindow(window_)) {
            postCommand(window_, kQuit);
            EXPECT_EQ(program_->waitForExit(30000), 0);
        }
        program_.reset();
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    // Quits the program and starts it again, as a person does.
    void restart() {
        postCommand(window_, kQuit);
        ASSERT_EQ(program_->waitForExit(30000), 0);
        program_ = std::make_unique<RunningProgram>(kalvenorProgram(), folder_);
        window_ = program_->mainWindow();
        ASSERT_NE(window_, nullptr);
    }

    // Clicks a cell; the game goes on without a dialog.
    void click(HWND cell) {
        SendMessageW(cell, BM_CLICK, 0, 0);
        waitUntilIdle(window_);
    }

    // A command that throws away a changed game: the question whether to save it first is
    // answered No (don't save), and the command goes on.
    void postDiscardingCommand(int commandId) {
        postCommand(window_, commandId);
        const HWND question = waitForDialog(window_);
        ASSERT_NE(question, nullptr) << "no question whether to save";
        EXPECT_EQ(windowText(question), "保存の確認");
        pressDialogButton(question, IDNO);
        waitUntilIdle(window_);
    }

    fs::path folder_;
    std::unique_ptr<RunningProgram> program_;
    HWND window_ = nullptr;
};

TEST_F(DesktopProgram, TheWindowHasItsTitleSizeAndStartScreen) {
    EXPECT_EQ(windowText(window_), "Kalvenor [ version 1.0 ]");
    RECT outer{};
    GetWindowRect(window_, &outer);
    EXPECT_EQ(outer.right - outer.left, 1024);
    EXPECT_EQ(outer.bottom - outer.top, 750);
    EXPECT_NE(childWithText(window_, "Tarnwell"), nullptr) << "the start screen's credit label";
}

// 表示 › 言語 is remembered: a run after English speaks English, and after システムに従う the user's
// UI language (English under Wine without a Japanese locale).
TEST_F(DesktopProgram, AChosenLanguageSurvivesARestart) {
    const auto guideButtonSays = [this](const std::string& text) {
        sendCommand(window_, kTwoPeopleTwoAxes);
        return childWithText(window_, text) != nullptr;
    };
    EXPECT_TRUE(guideButtonSays("簡易"));
    sendCommand(window_, kEnglish);
    ASSERT_NO_FATAL_FAILURE(restart());
    EXPECT_TRUE(guideButtonSays("Simple"));

    sendCommand(window_, kFollowTheSystem);
    ASSERT_NO_FATAL_FAILURE(restart());
    const bool japanese = PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE;
    EXPECT_TRUE(guideButtonSays(japanese ? "簡易" : "Simple"));
}

RECT windowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

// The layout follows the window's size: larger cells, still edge to edge.
TEST_F(DesktopProgram, AResizeScalesTheCells) {
    sendCommand(window_, kTwoPeopleTwoAxes);
    const std::vector<HWND> cells = cellButtons(window_);
    ASSERT_EQ(cells.size(), 64U);
    const LONG before = windowRect(cells[0]).right - windowRect(cells[0]).left;
    SetWindowPos(window_, nullptr, 0, 0, 1250, 1000, SWP_NOZORDER | SWP_NOACTIVATE);
    waitUntilIdle(window_);
    const RECT first = windowRect(cells[0]);
    EXPECT_GT(first.right - first.left, before);
    EXPECT_EQ(windowRect(cells[1]).left, first.right) << "no seam between neighbouring cells";
    SetWindowPos(window_, nullptr, 0, 0, 614, 450, SWP_NOZORDER | SWP_NOACTIVATE);
    waitUntilIdle(window_);
    EXPECT_LT(windowRect(cells[0]).right - windowRect(cells[0]).left, before);
}

// A window closed maximised opens maximised, and back at its normal place when restored.
TEST_F(DesktopProgram, AMaximisedWindowOpensMaximisedAgain) {
    const RECT normal = windowRect(window_);
    ShowWindow(window_, SW_MAXIMIZE);
    waitUntilIdle(window_);
    ASSERT_TRUE(IsZoomed(window_));
    ASSERT_NO_FATAL_FAILURE(restart());
    waitUntilIdle(window_);
    EXPECT_TRUE(IsZoomed(window_));
    ShowWindow(window_, SW_RESTORE);
    waitUntilIdle(window_);
    const RECT restored = windowRect(window_);
    EXPECT_TRUE(EqualRect(&normal, &restored))
        << restored.left << " " << restored.top << " " << restored.right << " " << restored.bottom;
    ASSERT_NO_FATAL_FAILURE(restart());
    waitUntilIdle(window_);
    EXPECT_FALSE(IsZoomed(window_));
}

// A question box opens over the window that asks, not in the middle of the screen.
TEST_F(DesktopProgram, AQuestionBoxOpensCentredOnTheWindow) {
    SetWindowPos(window_, nullptr, 0, 0, 700, 480, SWP_NOZORDER | SWP_NOACTIVATE);  // off the screen's centre
    waitUntilIdle(window_);
    postCommand(window_, kAgainstTheComputerThreeAxes);
    const HWND question = waitForDialog(window_);
    ASSERT_NE(question, nullptr) << "no question who moves first";
    const RECT box = windowRect(question);
    const RECT main = windowRect(window_);
    const POINT centre{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    EXPECT_TRUE(PtInRect(&main, centre)) << centre.x << ", " << centre.y;
    EXPECT_NEAR(centre.x, (main.left + main.right) / 2, 2);
    pressDialogButton(question, IDYES);
}

TEST_F(DesktopProgram, TwoPeoplePlayToTheResultBoxByClickingTheRealButtons) {
    postCommand(window_, kRecordSwitch);
    const HWND question = waitForDialog(window_);
    ASSERT_NE(question, nullptr) << "no question before the record is switched on";
    pressDialogButton(question, IDYES);
    sendCommand(window_, kTwoPeopleTwoAxes);
    const std::vector<HWND> cells = cellButtons(window_);
    ASSERT_EQ(cells.size(), 64U);
    // First fills the left column from the top, Second the column beside it; First's fifth stone
    // wins. (The game of the Linux record test: the screen shows the first axis across.)
    for (std::size_t row = 0; row < 4; ++row) {
        click(cells[8 * row]);
        click(cells[8 * row + 1]);
    }
    EXPECT_EQ(windowText(cells[0]), "■");
    EXPECT_EQ(windowText(cells[1]), "□");
    postClick(cells[32]);
    const HWND result = waitForDialog(window_);
    ASSERT_NE(result, nullptr) << "no result box";
    const std::string text = messageBoxText(result);
    EXPECT_NE(text.find("先手"), std::string::npos) << text;
    pressDialogButton(result, IDOK);
    waitUntilIdle(window_);
    // The ended game stays on view; a click on it changes nothing.
    click(cells[20]);
    EXPECT_EQ(windowText(cells[20]), "");
    // The record holds the bytes the Linux program writes for the same game.
    std::ifstream record(folder_ / pathFromUtf8("棋譜.txt"), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(record), {}};
    std::ifstream golden(fs::path(KALVENOR_RECORD_GOLDEN), std::ios::binary);
    const std::string expected{std::istreambuf_iterator<char>(golden), {}};
    ASSERT_FALSE(expected.empty()) << KALVENOR_RECORD_GOLDEN;
    EXPECT_EQ(test::maskTimestamp(bytes), expected);
}

// 遊び方 opens a window of its own that leaves the game playable, fits the screen, comes forward
// when asked again, and closes with Escape.
TEST_F(DesktopProgram, TheRulesWindowStandsBesideTheGameAndEscapeClosesIt) {
    sendCommand(window_, kRules);  // returns at once: nothing modal holds the main window
    const HWND rules = FindWindowW(L"KalvenorHelp", nullptr);
    ASSERT_NE(rules, nullptr);
    EXPECT_EQ(GetWindow(rules, GW_OWNER), window_);
    EXPECT_EQ(windowText(rules), "遊び方");
    const std::vector<HWND> texts = childrenOfClass(rules, L"Edit");
    ASSERT_EQ(texts.size(), 1U);
    // Asked for with WM_GETTEXT: GetWindowText does not read a control of another process.
    std::wstring text(4096, L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(texts[0], WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    EXPECT_EQ(text.rfind(L"【五目並べで勝ち】\r\n", 0), 0U);
    EXPECT_EQ(focusedWindow(window_), texts[0]) << "the text has the keyboard, to scroll it";
    RECT place{};
    RECT work{};
    GetWindowRect(rules, &place);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(place.bottom - place.top, work.bottom - work.top);

    sendCommand(window_, kRules);
    EXPECT_EQ(FindWindowExW(nullptr, rules, L"KalvenorHelp", nullptr), nullptr) << "one rules window";

    pressKey(window_, VK_ESCAPE);
    for (int look = 0; look < 100 && IsWindow(rules); ++look) {
        Sleep(50);
    }
    EXPECT_FALSE(IsWindow(rules));
}

TEST_F(DesktopProgram, TheKeyboardAlonePlaysThroughKeyMessages) {
    sendCommand(window_, kTwoPeopleTwoAxes);
    waitUntilIdle(window_);
    const std::vector<HWND> cells = cellButtons(window_);
    const auto isCell = [&](HWND hwnd) { return std::find(cells.begin(), cells.end(), hwnd) != cells.end(); };
    const HWND start = focusedWindow(window_);
    ASSERT_TRUE(isCell(start)) << "the board has the focus after a new game";
    pressKey(window_, VK_RIGHT);
    pressKey(window_, VK_DOWN);
    const HWND cursor = focusedWindow(window_);
    ASSERT_TRUE(isCell(cursor));
    EXPECT_NE(cursor, start);
    pressKey(window_, VK_RETURN);
    EXPECT_EQ(windowText(cursor), "■");
    // The move is said through the live region, a control that shows nothing and takes no focus.
    const HWND said = GetDlgItem(window_, platform::announcementControlId);
    ASSERT_NE(said, nullptr);
    EXPECT_EQ(windowText(said), "縦:5  横:5  先手の石 ■");
    RECT room{};
    GetWindowRect(said, &room);
    EXPECT_TRUE(IsRectEmpty(&room));
    EXPECT_EQ(GetWindowLongPtrW(said, GWL_STYLE) & WS_TABSTOP, 0);
    EXPECT_EQ(focusedWindow(window_), cursor);
    pressKey(window_, VK_SPACE);  // the same cell again is refused, as a click there is
    pressKey(window_, VK_LEFT);
    pressKey(window_, VK_SPACE);
    EXPECT_EQ(windowText(focusedWindow(window_)), "□");

    // Tab goes round the three guide buttons and back to the board; Space presses a button.
    pressKey(window_, VK_TAB);
    pressKey(window_, VK_TAB);
    const HWND simple = focusedWindow(window_);
    EXPECT_EQ(windowText(simple), "簡易");
    pressKey(window_, VK_SPACE);
    EXPECT_EQ(windowText(simple), "[簡易]");
    pressKey(window_, VK_TAB);
    pressKey(window_, VK_TAB);
    EXPECT_TRUE(isCell(focusedWindow(window_)));

    // On four axes Q moves the time axis's track bar, and the cursor with it.
    postDiscardingCommand(kTwoPeopleFourAxes);
    waitUntilIdle(window_);
    const std::vector<HWND> bars = childrenOfClass(window_, TRACKBAR_CLASSW);
    ASSERT_FALSE(bars.empty());
    EXPECT_EQ(SendMessageW(bars.front(), TBM_GETPOS, 0, 0), 4);
    pressKey(window_, 'Q');
    EXPECT_EQ(SendMessageW(bars.front(), TBM_GETPOS, 0, 0), 5);
    pressKey(window_, VK_RETURN);
    EXPECT_EQ(windowText(focusedWindow(window_)), "■");
}

// A cell whose frame has the colour of the last move's highlight, as the screen shows it.
bool framedAsLastMove(HWND cell) {
    RECT rect{};
    GetWindowRect(cell, &rect);
    const HDC screen = GetDC(nullptr);
    const COLORREF corner = GetPixel(screen, rect.left + 1, rect.top + 1);
    ReleaseDC(nullptr, screen);
    constexpr platform::cell_look::Rgb frame =
        platform::cell_look::highlightColour(platform::CellHighlight::LastMove);
    return corner == RGB(frame.red, frame.green, frame.blue);
}

std::vector<HWND> framedCells(const std::vector<HWND>& cells) {
    std::vector<HWND> framed;
    std::copy_if(cells.begin(), cells.end(), std::back_inserter(framed), framedAsLastMove);
    return framed;
}

TEST_F(DesktopProgram, ThePersonSecondAgainstTheComputerOnThreeAxes) {
    postCommand(window_, kAgainstTheComputerThreeAxes);
    const HWND question = waitForDialog(window_);
    ASSERT_NE(question, nullptr) << "no question who opens";
    pressDialogButton(question, IDNO);
    waitUntilIdle(window_);
    const std::vector<HWND> cells = cellButtons(window_);
    ASSERT_EQ(cells.size(), 512U);
    std::vector<HWND> framed = framedCells(cells);
    ASSERT_EQ(framed.size(), 1U) << "the computer's opening move is framed";
    EXPECT_EQ(windowText(framed.front()), "■");

    // The simple guide marks the legal cells; the person plays the first of them.
    click(childWithText(window_, "簡易"));
    const auto marked = std::find_if(cells.begin(), cells.end(), [](HWND cell) {
        const std::string text = windowText(cell);
        return !text.empty() && text != "■" && text != "□";
    });
    ASSERT_NE(marked, cells.end()) << "the guide marks no cell";
    const HWND played = *marked;
    click(played);
    EXPECT_EQ(windowText(played), "□");
    framed = framedCells(cells);
    ASSERT_EQ(framed.size(), 1U) << "the computer's reply is framed";
    EXPECT_EQ(windowText(framed.front()), "■");
}

// The text of the first label whose text starts with `start`, or empty.
std::string labelStartingWith(HWND window, const std::string& start) {
    for (HWND label : childrenOfClass(window, L"Static")) {
        if (std::string text = windowText(label); text.starts_with(start)) {
            return text;
        }
    }
    return {};
}

// Every game of the ゲーム menu, 2 to 8 axes: it starts with its board, and its first move is made.
TEST_F(DesktopProgram, EveryGameOfTheMenuStartsAndMoves) {
    for (int dimension = 2; dimension <= 8; ++dimension) {
        SCOPED_TRACE("dimension " + std::to_string(dimension));
        const std::size_t cellCount = dimension == 2 ? 64U : 512U;

        // Two people: the person's click places a stone. The game of the round before has
        // moved, so the question whether to save it comes first.
        if (dimension == 2) {
            sendCommand(window_, kTwoPeopleTwoAxes);
        } else {
            postDiscardingCommand(kTwoPeopleTwoAxes + 2 * (dimension - 2));
        }
        std::vector<HWND> cells = cellButtons(window_);
        ASSERT_EQ(cells.size(), cellCount);
        click(cells[0]);
        EXPECT_EQ(windowText(cells[0]), "■");
        EXPECT_EQ(windowText(window_), "無題* — Kalvenor [ version 1.0 ]");

        // Against the computer, the person second: the computer opens with a move of its own.
        postDiscardingCommand(kAgainstTheComputerTwoAxes + 2 * (dimension - 2));
        const HWND question = waitForDialog(window_);
        ASSERT_NE(question, nullptr) << "no question who opens";
        pressDialogButton(question, IDNO);
        waitUntilIdle(window_);
        EXPECT_EQ(cellButtons(window_).size(), cellCount);
        EXPECT_NE(labelStartingWith(window_, " ■ cpu choice"), "");

        // The computer against itself: one step makes the first move.
        sendCommand(window_, kComputersTwoAxes + dimension - 2);
        EXPECT_EQ(cellButtons(window_).size(), cellCount);
        EXPECT_EQ(labelStartingWith(window_, " 1 turn"), " 1 turn : ■ 先手:CPU A");
        const HWND step = childWithText(window_, "一手進む");
        ASSERT_NE(step, nullptr);
        click(step);
        EXPECT_EQ(labelStartingWith(window_, " 1 turn"), " 1 turn : □ 後手:CPU B");
    }
}

TEST_F(DesktopProgram, TheTrackBarShowsAnotherSliceOnFourAxes) {
    sendCommand(window_, kTwoPeopleFourAxes);
    const std::vector<HWND> bars = childrenOfClass(window_, L"msctls_trackbar32");
    ASSERT_EQ(bars.size(), 1U);
    const HWND bar = bars.front();
    const auto position = [bar] { return static_cast<int>(SendMessageW(bar, TBM_GETPOS, 0, 0)); };
    EXPECT_EQ(SendMessageW(bar, TBM_GETRANGEMIN, 0, 0), 1);
    EXPECT_EQ(SendMessageW(bar, TBM_GETRANGEMAX, 0, 0), 8);

    const std::vector<HWND> cells = cellButtons(window_);
    ASSERT_EQ(cells.size(), 512U);
    const int shown = position();
    click(cells[0]);
    ASSERT_EQ(windowText(cells[0]), "■");

    // The person drags the thumb to another slice: the bar moves, the window hears of it.
    const int other = shown == 1 ? 2 : 1;
    SendMessageW(bar, TBM_SETPOS, TRUE, other);
    SendMessageW(window_, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, other), reinterpret_cast<LPARAM>(bar));
    SendMessageW(window_, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(position(), other);
    EXPECT_EQ(windowText(cells[0]), "") << "the stone lies in the slice no longer shown";

    // One step back with the arrow key's notification.
    SendMessageW(bar, TBM_SETPOS, TRUE, shown);
    SendMessageW(window_, WM_HSCROLL, MAKEWPARAM(shown > other ? TB_LINEDOWN : TB_LINEUP, 0),
                 reinterpret_cast<LPARAM>(bar));
    SendMessageW(window_, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(position(), shown);
    EXPECT_EQ(windowText(cells[0]), "■");
}

TEST_F(DesktopProgram, SavesAndLoadsThroughTheFileDialogs) {
    sendCommand(window_, kTwoPeopleTwoAxes);
    std::vector<HWND> cells = cellButtons(window_);
    ASSERT_EQ(cells.size(), 64U);
    click(cells[9]);
    click(cells[18]);

    const fs::path saved = folder_ / pathFromUtf8("二人 game.gd");
    postCommand(window_, kSave);
    const HWND saveDialog = waitForDialog(window_);
    ASSERT_NE(saveDialog, nullptr) << "no Save dialog";
    chooseFile(saveDialog, saved);
    waitUntilIdle(window_);
    ASSERT_TRUE(fs::exists(saved));
    EXPECT_EQ(fs::file_size(saved), 112U);
    EXPECT_EQ(windowText(window_), "二人 game.gd — Kalvenor [ version 1.0 ]");

    sendCommand(window_, kTwoPeopleTwoAxes);  // a fresh, empty board
    cells = cellButtons(window_);
    ASSERT_EQ(windowText(cells[9]), "");

    postCommand(window_, kLoad);
    const HWND openDialog = waitForDialog(window_);
    ASSERT_NE(openDialog, nullptr) << "no Open dialog";
    chooseFile(openDialog, saved);
    waitUntilIdle(window_);
    cells = cellButtons(window_);
    ASSERT_EQ(cells.size(), 64U);
    EXPECT_EQ(windowText(cells[9]), "■");
    EXPECT_EQ(windowText(cells[18]), "□");
}

TEST_F(DesktopProgram, TakesCommandsFromKalvenorCommand) {
    const ToolRun ok = runTool(commandProgram(), L"121");
    EXPECT_EQ(ok.exitCode, 0);
    EXPECT_EQ(ok.output.substr(0, 2), "ok");
    waitUntilIdle(window_);
    EXPECT_NE(childWithText(window_, "VS Control"), nullptr) << "the computer against itself on three axes";

    const ToolRun bad = runTool(commandProgram(), L"12x");
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.output.substr(0, 7), "error: ") << bad.output;

    EXPECT_EQ(runTool(commandProgram(), L"").exitCode, 2);

    ASSERT_EQ(runTool(commandProgram(), L"255").exitCode, 0);
    EXPECT_EQ(program_->waitForExit(30000), 0);
    EXPECT_EQ(runTool(commandProgram(), L"102").exitCode, 1) << "no program runs any more";
    window_ = nullptr;
}

}  // namespace
}  // namespace kalvenor::win32_test
