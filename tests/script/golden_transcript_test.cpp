#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "script_run.h"
#include "support/transcripts.h"

namespace kalvenor::script {
namespace {

// A transcript is what the driver writes with echo on: each script line as "> LINE", the output
// of that line below it, and an error, if any, at the end. Replaying its "> " lines must give the
// file back exactly. A script runs in the golden folder, where its saved games are.
// KALVENOR_UPDATE_GOLDEN=1 rewrites the files from the current output.
std::filesystem::path goldenDir() {
    return testing::sourceFolder("tests/script/golden");
}

class GoldenTranscript : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenTranscript, ReplaysExactly) {
    const std::filesystem::path path = goldenDir() / (GetParam() + ".txt");
    std::ifstream file(path, std::ios::binary);
    ASSERT_TRUE(file) << "missing " << path;
    std::ostringstream expected;
    expected << file.rdbuf();
    // Scripts name their saved games relative to the golden folder.
    const std::filesystem::path previousDir = std::filesystem::current_path();
    std::filesystem::current_path(goldenDir());
    const ScriptResult result = runText(testing::scriptOf(expected.str()), true);
    std::filesystem::current_path(previousDir);
    const std::string actual = result.out + result.err;
    if (std::getenv("KALVENOR_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(path, std::ios::binary) << actual;
        GTEST_SKIP() << "rewrote " << path;
    }
    EXPECT_EQ(actual, expected.str());
}

INSTANTIATE_TEST_SUITE_P(Transcripts, GoldenTranscript,
                         ::testing::Values("start_screen", "about_box", "two_person_win", "four_axes",
                                           "vs_cpu_guide", "nobody_can_move", "save_before_any_game"));

}  // namespace
}  // namespace kalvenor::script
