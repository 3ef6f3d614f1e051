// The opening tool: its file loads as a new game of the chosen mode with the standard opening.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/standard_opening.h"
#include "records/saved_game.h"

namespace kalvenor::flows_test {
namespace {

int runShell(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int runTool(const std::string& arguments) {
    return runShell(std::string(KALVENOR_OPENING_TOOL) + " " + arguments + " 2>/dev/null");
}

std::filesystem::path scratchFile(const char* name) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("kalvenor-opening-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return dir / name;
}

TEST(OpeningTool, WritesAReadyToLoadOpeningForEveryDimension) {
    for (int dimension = 2; dimension <= 8; ++dimension) {
        SCOPED_TRACE(dimension);
        const auto path = scratchFile("opening.gd");
        ASSERT_EQ(runTool(std::to_string(dimension) + " cpu second " + path.string()), 0);
        const FileValue<SavedGame> loaded = readSavedGame(path);
        ASSERT_TRUE(loaded.ok()) << loaded.error().message();
        const GameDataHeader& header = loaded.value().header;
        EXPECT_EQ(header.dimension, dimension);
        EXPECT_EQ(header.mode, 1);
        EXPECT_EQ(header.humanSide, 2);
        EXPECT_EQ(header.sideToMove, 1);
        EXPECT_EQ(header.inProgress, 1);
        EXPECT_EQ(header.guideLevel, 0);
        EXPECT_EQ(header.turnNumberFirst, 1);
        EXPECT_EQ(header.turnNumberSecond, 1);
        EXPECT_EQ(header.stoneCount, 1 << dimension);
        Board expected(dimension);
        placeStandardOpening(expected);
        EXPECT_TRUE(
            std::equal(loaded.value().board.begin(), loaded.value().board.end(), expected.bytes().begin()));
        std::filesystem::remove(path);
    }
    const auto path = scratchFile("human.gd");
    ASSERT_EQ(runTool("4 human " + path.string()), 0);
    const FileValue<SavedGame> loaded = readSavedGame(path);
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded.value().header.viewOffset, 1536);
    EXPECT_EQ(loaded.value().header.viewCellCount, 512);
    EXPECT_EQ(loaded.value().header.mode, 0);
    EXPECT_EQ(loaded.value().header.humanSide, 1);
}

TEST(OpeningTool, BadArgumentsGiveUsageAndStatusTwo) {
    const auto path = scratchFile("bad.gd");
    for (const char* arguments :
         {"", "3", "3 cpu", "1 human x.gd", "9 human x.gd", "3x human x.gd", "3 robot x.gd",
          "3 human second x.gd", "3 cpu third x.gd", "3 cpu first x.gd extra"}) {
        SCOPED_TRACE(arguments);
        EXPECT_EQ(runTool(std::string(arguments)), 2);
    }
    EXPECT_FALSE(std::filesystem::exists("x.gd"));
    EXPECT_NE(runTool("3 cpu " + (path.parent_path() / "no/such/folder.gd").string()), 0);
}

TEST(OpeningTool, OptionLikeNamesAreRefusedAndHelpWritesNothing) {
    const auto folder = scratchFile("options");
    std::filesystem::create_directories(folder);
    const auto runInFolder = [&](const std::string& arguments) {
        return runShell("cd " + folder.string() + " && " + KALVENOR_OPENING_TOOL + " " + arguments +
                        " >/dev/null 2>&1");
    };
    EXPECT_EQ(runInFolder("2 human --help"), 0);
    for (const char* arguments : {"2 human -", "2 human --", "2 -x human a.gd", "-2 human a.gd"}) {
        SCOPED_TRACE(arguments);
        EXPECT_EQ(runInFolder(arguments), 2);
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder));  // no "-", "--help" or "a.gd" written
    ASSERT_EQ(runInFolder("2 human ./-name.gd"), 0);
    EXPECT_TRUE(std::filesystem::exists(folder / "-name.gd"));
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace kalvenor::flows_test
