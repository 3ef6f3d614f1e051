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

int runTool(const std::string& arguments) {
    const std::string command = std::string(KALVENOR_OPENING_TOOL) + " " + arguments + " 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
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

}  // namespace
}  // namespace kalvenor::flows_test
