// Whole games through the script driver, compared with reviewed transcripts. The scripts load
// openings written by the opening tool into a scratch folder that the transcripts call @DIR@.
// KALVENOR_UPDATE_GOLDEN=1 rewrites the transcripts from the current output.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "game/opening_game.h"
#include "records/saved_game.h"
#include "script/script_run.h"
#include "support/transcripts.h"

namespace kalvenor::flows_test {
namespace {

std::filesystem::path transcriptDir() {
    return testing::sourceFolder("tests/game/transcripts");
}

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

class Transcript : public ::testing::TestWithParam<std::string> {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() / ("kalvenor-transcript-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        writeOpening("cpu2_first.gd", 2, GameMode::HumanVsCpu, CellState::First);
        writeOpening("cpu2_second.gd", 2, GameMode::HumanVsCpu, CellState::Second);
        writeOpening("cpu3_first.gd", 3, GameMode::HumanVsCpu, CellState::First);
        writeOpening("watch2.gd", 2, GameMode::CpuVsCpu, CellState::First);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    void writeOpening(const char* name, int dimension, GameMode mode, CellState humanSide) {
        const SavedGame game = standardOpeningGame(dimension, mode, humanSide);
        ASSERT_TRUE(writeSavedGame(dir_ / name, game.header, game.board).ok());
    }

    std::filesystem::path dir_;
};

TEST_P(Transcript, ReplaysExactly) {
    const std::filesystem::path path = transcriptDir() / (GetParam() + ".txt");
    std::ifstream file(path, std::ios::binary);
    ASSERT_TRUE(file) << "missing " << path;
    std::ostringstream expected;
    expected << file.rdbuf();
    const std::string script = replaceAll(testing::scriptOf(expected.str()), "@DIR@", dir_.string());
    const script::ScriptResult result = script::runText(script, true);
    const std::string actual = replaceAll(result.out + result.err, dir_.string(), "@DIR@");
    if (std::getenv("KALVENOR_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(path, std::ios::binary) << actual;
        GTEST_SKIP() << "rewrote " << path;
    }
    EXPECT_EQ(actual, expected.str());
}

INSTANTIATE_TEST_SUITE_P(Games, Transcript,
                         ::testing::Values("computer_answers_two_axes", "computer_opens_two_axes",
                                           "computer_three_axes_status", "computers_step_two_axes"));

}  // namespace
}  // namespace kalvenor::flows_test
