#include "script_line.h"

#include <gtest/gtest.h>

#include <string>

namespace kalvenor::script {
namespace {

Action parsed(std::string_view line) {
    const std::optional<Action> action = parseLine(line);
    EXPECT_TRUE(action.has_value()) << line;
    return action.value_or(Action{});
}

std::string reasonOf(std::string_view line) {
    try {
        parseLine(line);
    } catch (const ScriptError& error) {
        return error.what();
    }
    return "(accepted)";
}

TEST(ScriptLine, BlankLinesAndCommentsAreSkipped) {
    for (const char* line : {"", "   ", "\t\r", "# a comment", "   # indented comment", "#show"}) {
        EXPECT_FALSE(parseLine(line).has_value()) << '"' << line << '"';
    }
}

TEST(ScriptLine, EveryActionParsesWithItsNumbers) {
    EXPECT_EQ(parsed("command 254").kind, ActionKind::Command);
    EXPECT_EQ(parsed("command 254").number, 254);
    EXPECT_EQ(parsed("  command   65535 \r").number, 65535) << "blanks and a CR LF line end are tolerated";
    EXPECT_EQ(parsed("\xEF\xBB\xBF"
                     "command 102")
                  .number,
              102)
        << "a byte-order mark is skipped";

    const Action cell = parsed("click cell 343");
    EXPECT_EQ(cell.kind, ActionKind::ClickCell);
    EXPECT_EQ(cell.number, 343);
    EXPECT_EQ(parsed("click step 4").kind, ActionKind::ClickStep);
    EXPECT_EQ(parsed("click guide 0").number, 0);
    EXPECT_EQ(parsed("click pass").kind, ActionKind::ClickPass);
    EXPECT_EQ(parsed("click axis 4").number, 4);
    EXPECT_EQ(parsed("click label 12").number, 12);

    const Action slide = parsed("slide 1 6");
    EXPECT_EQ(slide.kind, ActionKind::Slide);
    EXPECT_EQ(slide.number, 1);
    EXPECT_EQ(slide.position, 6);

    EXPECT_EQ(parsed("answer yes").answer, platform::MessageBoxResult::Yes);
    EXPECT_EQ(parsed("answer no").answer, platform::MessageBoxResult::No);
    EXPECT_EQ(parsed("answer ok").answer, platform::MessageBoxResult::Ok);
    EXPECT_EQ(parsed("show").kind, ActionKind::Show);
    EXPECT_EQ(parsed("state").kind, ActionKind::State);
    EXPECT_EQ(parsed("board").kind, ActionKind::Board);
}

TEST(ScriptLine, FileTakesTheRestOfTheLineCancelOrAQuotedPath) {
    EXPECT_EQ(parsed("file games/my game.gd").path, "games/my game.gd");
    EXPECT_FALSE(parsed("file cancel").path.has_value());
    EXPECT_EQ(parsed("file \"cancel\"").path, "cancel");
    EXPECT_EQ(parsed("file   \"a b.gd\"  ").path, "a b.gd");
    EXPECT_EQ(reasonOf("file"), "'file' needs a path or cancel");
    EXPECT_EQ(reasonOf("file \"unfinished"), "a quoted path must end with '\"' and not be empty");
    EXPECT_EQ(reasonOf("file \"\""), "a quoted path must end with '\"' and not be empty");
}

TEST(ScriptLine, BadLinesSayWhatIsWrong) {
    EXPECT_EQ(reasonOf("jump 3"), "unknown command 'jump'");
    EXPECT_EQ(reasonOf("Show"), "unknown command 'Show'") << "keywords are lower case";
    EXPECT_EQ(reasonOf("command"), "'command' needs a command id");
    EXPECT_EQ(reasonOf("command abc"), "'abc' is not a number (a command id)");
    EXPECT_EQ(reasonOf("command 12x"), "'12x' is not a number (a command id)");
    EXPECT_EQ(reasonOf("command 65536"), "a command id 65536 is outside 0..65535");
    EXPECT_EQ(reasonOf("command -1"), "a command id -1 is outside 0..65535");
    EXPECT_EQ(reasonOf("command -0"), "a command id -0 is outside 0..65535");
    EXPECT_EQ(reasonOf("click cell -0"), "a cell index cannot be -0");
    EXPECT_EQ(reasonOf("command 104 now"), "unexpected 'now' after 'command 104'");
    EXPECT_EQ(reasonOf("click"), "'click' needs what to click: cell, step, guide, pass, axis or label");
    EXPECT_EQ(reasonOf("click button 3"), "cannot click 'button': cell, step, guide, pass, axis or label");
    EXPECT_EQ(reasonOf("click cell"), "'click cell' needs a cell index");
    EXPECT_EQ(reasonOf("click cell -1"), "a cell index cannot be -1");
    EXPECT_EQ(reasonOf("click step 0"), "a step button 0 is outside 1..4");
    EXPECT_EQ(reasonOf("click step 5"), "a step button 5 is outside 1..4");
    EXPECT_EQ(reasonOf("click guide 3"), "a guide level 3 is outside 0..2");
    EXPECT_EQ(reasonOf("click pass 1"), "unexpected '1' after 'click pass'");
    EXPECT_EQ(reasonOf("click axis 5"), "an axis 5 is outside 0..4");
    EXPECT_EQ(reasonOf("slide 0"), "'slide 0' needs a track-bar position");
    EXPECT_EQ(reasonOf("slide 0 x"), "'x' is not a number (a track-bar position)");
    EXPECT_EQ(reasonOf("answer"), "'answer' needs yes, no, ok, save, discard or cancel");
    EXPECT_EQ(reasonOf("title on off"), "unexpected 'off' after 'title on'");
    EXPECT_EQ(reasonOf("confirm"), "'confirm' needs on or off");
    EXPECT_EQ(reasonOf("answer maybe"),
              "the answer to a message box is yes, no, ok, save, discard or cancel, not 'maybe'");
    EXPECT_EQ(reasonOf("show all"), "unexpected 'all' after 'show'");
    EXPECT_EQ(reasonOf("board 2"), "unexpected '2' after 'board'");
    EXPECT_EQ(reasonOf("layout"), "'layout' needs classic or large");
    EXPECT_EQ(reasonOf("layout big"), "the layout is classic or large, not 'big'");
    EXPECT_EQ(reasonOf("geometry now"), "unexpected 'now' after 'geometry'");
}

}  // namespace
}  // namespace kalvenor::script
