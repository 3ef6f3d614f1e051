#include "script_input.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "script_line.h"

namespace kalvenor::script {
namespace {

// Every line of `input`, then the reason that stopped the reading ("" at the end).
std::pair<std::vector<std::string>, std::string> readAll(ScriptInput& input) {
    std::vector<std::string> lines;
    try {
        while (const auto line = input.nextLine()) {
            lines.push_back(*line);
        }
    } catch (const ScriptError& error) {
        return {lines, "line " + std::to_string(input.lineNumber()) + ": " + error.what()};
    }
    return {lines, ""};
}

std::pair<std::vector<std::string>, std::string> readAll(const std::string& text) {
    std::istringstream stream(text);
    ScriptInput input(stream);
    return readAll(input);
}

using Lines = std::vector<std::string>;

TEST(ScriptInput, FilesAreReadInOrderAndAnUnreadableOneStopsEverything) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "kalvenor-script-files";
    std::filesystem::create_directories(dir);
    const std::string first = (dir / "first.txt").string();
    const std::string second = (dir / "second.txt").string();
    std::ofstream(first, std::ios::binary) << "command 104\nshow";  // no line feed at the end
    std::ofstream(second, std::ios::binary) << "state\n\n";
    const std::string missing = (dir / "missing.txt").string();

    {
        ScriptInput both(std::vector<std::string>{first, second});
        EXPECT_EQ(readAll(both), std::make_pair(Lines{"command 104", "show", "state", ""}, std::string()));
        EXPECT_EQ(both.lineNumber(), 4);
    }  // closed again, so that the folder can go (Windows keeps open files)
    const std::pair<std::string, std::string> unreadable[] = {
        {missing, missing + ": cannot open: No such file or directory"},
        {dir.string(), dir.string() + ": cannot open: Is a directory"}};
    for (const auto& [bad, message] : unreadable) {
        try {
            ScriptInput input(std::vector<std::string>{first, bad});
            ADD_FAILURE() << bad << " was opened";
        } catch (const ScriptError& error) {
            EXPECT_EQ(error.what(), message);
        }
    }
    std::filesystem::remove_all(dir);
}

// The longest line passes; one byte more is refused without the rest of it being read.
TEST(ScriptInput, ALineLongerThanAnyValidLineIsRefused) {
    const std::string longest = "# " + std::string(maxLineBytes - 2, 'x');
    EXPECT_EQ(readAll("show\n" + longest + "\nstate"),
              std::make_pair(Lines{"show", longest, "state"}, std::string()));
    EXPECT_EQ(readAll(longest), std::make_pair(Lines{longest}, std::string()));
    EXPECT_EQ(readAll("show\n" + longest + "y\nstate\n"),
              std::make_pair(Lines{"show"},
                             "line 2: the line is longer than " + std::to_string(maxLineBytes) + " bytes"));
}

TEST(ScriptInput, InputThatIsNotTextIsRefused) {
    const std::string nul = "line 2: the script is not text: it holds a NUL byte";
    const std::string notUtf8 = "line 2: the script is not text: it holds bytes that are not UTF-8";
    EXPECT_EQ(readAll(std::string("show\nsh\0w\n", 9)), std::make_pair(Lines{"show"}, nul));
    EXPECT_EQ(readAll("show\n" + std::string(3 * maxLineBytes, '\0')), std::make_pair(Lines{"show"}, nul));
    for (const char* bad : {"\x80", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                            "\xE6\x97", "\xFF", "\x82\xA0" /* Shift-JIS */}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(readAll(std::string("show\nfile ") + bad + "\n"), std::make_pair(Lines{"show"}, notUtf8));
    }
    EXPECT_EQ(readAll("\xEF\xBB\xBF"
                      "file 棋譜 \xF0\x9F\x98\x80.gd\n"),
              std::make_pair(Lines{"\xEF\xBB\xBF"
                                   "file 棋譜 \xF0\x9F\x98\x80.gd"},
                             std::string()));
}

}  // namespace
}  // namespace kalvenor::script
