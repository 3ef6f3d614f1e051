#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "script_run.h"

namespace kalvenor::script {
namespace {

struct FailingScript {
    const char* script;
    const char* error;
};

// Every way a line can fail once parsed: the reason, the line, status 2, and nothing after it runs
// (an answer nobody took is found at the end of the input, on the line of that answer).
TEST(ScriptRunner, FailingLinesStopTheRunWithStatusTwo) {
    const FailingScript cases[] = {
        {"click cell 0\nshow\n", "error: line 1: the view shows no cell 0\n"},
        {"\n# comments and blanks count\ncommand 104\nclick cell 512\nshow\n",
         "error: line 4: the view shows no cell 512\n"},
        {"board\nshow\n", "error: line 1: there is no board yet: no game has been started or loaded\n"},
        {"command 102\nclick step 1\nshow\n",
         "error: line 2: there is no step button 1 (only games of the computer against itself have step "
         "buttons)\n"},
        {"command 102\nclick pass\n",
         "error: line 2: there is no pass button (views of three or more axes have one, except in games of "
         "the "
         "computer against itself)\n"},
        {"command 104\nclick pass\n",
         "error: line 2: the pass button takes no room on the screen and cannot be clicked\n"},
        {"choose ゲーム › 対人戦 › ９次元\nshow\n",
         "error: line 1: no menu item '９次元' under 'ゲーム › 対人戦'\n"},
        {"choose ゲーム\n", "error: line 1: 'ゲーム' opens a menu; choose one of its items\n"},
        {"choose バージョン情報 › x\n", "error: line 1: 'バージョン情報' is a command and has no items\n"},
        {"choose ゲーム ›  › 終了\n",
         "error: line 1: 'choose' needs menu texts separated by '›', none of them empty\n"},
        {"command 104\nclick axis 0\n",
         "error: line 2: there is no axis 0 (the view has one axis group per axis beyond the third)\n"},
        {"command 104\nclick label 14\n",
         "error: line 2: there is no label 14 (InfoLabels has no such slot in this view)\n"},
        {"command 106\nslide 0 9\n", "error: line 2: position 9 is outside the track bar's range 1..8\n"},
        {"command 106\nslide 1 3\n",
         "error: line 2: there is no track bar 1 (the view has one per axis beyond the third)\n"},
        {"command 101\nshow\n",
         "error: line 1: a Yes/No box \"対CPU戦 先攻 or 後攻 選択\" was shown with no answer queued\n"},
        {"answer ok\ncommand 101\n",
         "error: line 2: a Yes/No box \"対CPU戦 先攻 or 後攻 選択\" was shown while the next answer queued "
         "is ok\n"},
        {"command 102\ncommand 150\nshow\n",
         "error: line 2: a file dialog \"Game Data Save\" was shown with no answer queued\n"},
        {"command 102\nanswer yes\nstate\n", "error: line 2: no message box took this answer\n"},
        {"file cancel\nanswer no\n", "error: line 1: no file dialog took this answer\n"},
        {"command 255\nshow\n", "error: line 2: the program has quit: nothing more can run\n"},
        {"state\nfly away\nstate\n", "error: line 2: unknown command 'fly'\n"},
    };
    for (const FailingScript& failing : cases) {
        const ScriptResult result = runText(failing.script);
        EXPECT_EQ(result.exitStatus, kScriptFailed) << failing.script;
        EXPECT_EQ(result.err, failing.error) << failing.script;
        EXPECT_EQ(result.out.find("window \""), std::string::npos) << "a line after the error ran:\n"
                                                                   << failing.script;
    }
}

TEST(ScriptRunner, OutputBeforeAnErrorIsKept) {
    const ScriptResult result = runText("state\nbogus\n");
    EXPECT_NE(result.out.find("dimension=0\n"), std::string::npos);
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 13)
        << "one state, nothing after the error";
}

TEST(ScriptRunner, EndOfInputAndQuitBothExitZero) {
    EXPECT_EQ(runText("").exitStatus, 0);
    const ScriptResult quit = runText("command 104\ncommand 255\n# trailing comments are fine\n");
    EXPECT_EQ(quit.exitStatus, 0);
    EXPECT_EQ(quit.err, "");
}

TEST(ScriptRunner, ClickingACellPlaysItAndShowsEverywhere) {
    const ScriptResult result = runText("command 104\nclick cell 343\nstate\nboard\nshow\n");
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_NE(result.out.find("sideToMove=2\n"), std::string::npos);
    EXPECT_NE(result.out.find("turnNumberFirst=2\n"), std::string::npos);

    // Board: 8 layers of 8 rows, blank lines between; cell 343 = layer 5, row 2 (axis 1), column 7.
    const std::size_t boardStart = result.out.find("00000000\n");
    ASSERT_NE(boardStart, std::string::npos);
    std::istringstream board(result.out.substr(boardStart));
    std::string line;
    std::string digits;
    int lines = 0;
    while (lines < 71 && std::getline(board, line)) {
        ++lines;
        digits += line;
    }
    ASSERT_EQ(digits.size(), 512u);
    EXPECT_EQ(std::count(digits.begin(), digits.end(), '1'), 1);
    EXPECT_EQ(digits[343], '1');

    // Show: layer 5 is the second block of the second block row; its row b = 7 (the last) has ■
    // in column a = 2, marked * as the last move.
    EXPECT_NE(result.out.find("layer 4           layer 5"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find(". . . . . . . .   . . ■*. . . . .   . . . . . . . .   . . . . . . . .\n"),
              std::string::npos)
        << result.out;
}

TEST(ScriptRunner, SlidingATrackBarChangesTheShownSlice) {
    const ScriptResult result =
        runText("command 106\nstate\nslide 0 1\nstate\nshow\nclick cell 0\nslide 0 8\nclick cell 1536\n");
    EXPECT_EQ(result.exitStatus, kScriptFailed);
    EXPECT_EQ(result.err, "error: line 8: the view shows no cell 1536\n");
    EXPECT_NE(result.out.find("viewOffset=1536\n"), std::string::npos);
    EXPECT_NE(result.out.find("viewOffset=0\n"), std::string::npos);
    EXPECT_NE(result.out.find("AxisControls[1] = track bar at 1 of 1..8\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("AxisControls[2] = \"1\"\n"), std::string::npos);
    EXPECT_NE(result.out.find("cells 0..511\n"), std::string::npos);
}

TEST(ScriptRunner, PromptsArePrintedAsTheyHappen) {
    const ScriptResult result = runText("answer no\ncommand 101\nstate\nfile cancel\ncommand 151\n");
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.out.rfind("box \"対CPU戦 先攻 or 後攻 選択\" \"先攻ですか？\" -> no\n", 0), 0u)
        << result.out;
    EXPECT_NE(result.out.find("humanSide=2\n"), std::string::npos);
    EXPECT_NE(result.out.find("dialog \""), std::string::npos);
    EXPECT_EQ(result.out.substr(result.out.size() - 10), "-> cancel\n");
}

TEST(ScriptRunner, FileAnswersReachTheSaveAndLoadDialogs) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "kalvenor-script-test";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "a game.gd").string();
    const ScriptResult result =
        runText("command 104\nclick cell 7\nclick cell 300\nfile " + path +
                "\ncommand 150\ncommand 102\nfile " + path + "\ncommand 151\nstate\nboard\n");
    std::filesystem::remove_all(dir);
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_NE(result.out.find("dialog \"Game Data Save\" -> " + path + "\n"), std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("dialog \"Game Data Load\" -> " + path + "\n"), std::string::npos);
    EXPECT_NE(result.out.find("dimension=3\n"), std::string::npos) << "the loaded game replaced the new one";
    const std::size_t board = result.out.find("00000001\n");
    ASSERT_NE(board, std::string::npos);
    EXPECT_EQ(std::count(result.out.begin() + static_cast<std::ptrdiff_t>(board), result.out.end(), '2'), 1);
}

}  // namespace
}  // namespace kalvenor::script
