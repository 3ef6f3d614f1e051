#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "catalog/language.h"
#include "game/opening_game.h"
#include "records/saved_game.h"
#include "script_run.h"
#include "support/japanese_text.h"
#include "support/transcripts.h"

namespace kalvenor::script {
namespace {

// A transcript is what the driver writes with echo on: each script line as "> LINE", the output
// of that line below it, and an error, if any, at the end. Replaying its "> " lines must give the
// file back exactly. A script runs in a fresh scratch folder holding copies of the saved games of
// the golden folder and the standard openings below, so that what it saves and records starts
// from nothing every time; a transcript calls that folder @DIR@.
// KALVENOR_UPDATE_GOLDEN=1 rewrites the files from the current output.
std::filesystem::path goldenDir() {
    return testing::sourceFolder("tests/script/golden");
}

std::filesystem::path freshScratchFolder(const std::string& name) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("kalvenor-golden-" + std::to_string(::getpid()) + "-" + name);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    for (const auto& entry : std::filesystem::directory_iterator(goldenDir())) {
        if (entry.path().extension() == ".gd") {
            std::filesystem::copy_file(entry.path(), folder / entry.path().filename());
        }
    }
    const auto writeOpening = [&folder](const char* file, int dimension, GameMode mode, CellState humanSide) {
        const SavedGame game = standardOpeningGame(dimension, mode, humanSide);
        EXPECT_TRUE(writeSavedGame(folder / file, game.header, game.board).ok()) << file;
    };
    writeOpening("cpu2_first.gd", 2, GameMode::HumanVsCpu, CellState::First);
    writeOpening("cpu2_second.gd", 2, GameMode::HumanVsCpu, CellState::Second);
    writeOpening("cpu3_first.gd", 3, GameMode::HumanVsCpu, CellState::First);
    writeOpening("watch2.gd", 2, GameMode::CpuVsCpu, CellState::First);
    return folder;
}

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

class GoldenTranscript : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenTranscript, ReplaysExactly) {
    const std::filesystem::path path = goldenDir() / (GetParam() + ".txt");
    std::ifstream file(path, std::ios::binary);
    ASSERT_TRUE(file) << "missing " << path;
    std::ostringstream expected;
    expected << file.rdbuf();
    const std::filesystem::path scratch = freshScratchFolder(GetParam());
    const std::filesystem::path previousDir = std::filesystem::current_path();
    std::filesystem::current_path(scratch);
    const ScriptResult result =
        runText(replaceAll(testing::scriptOf(expected.str()), "@DIR@", scratch.string()), true);
    setDisplayLanguage(Language::Japanese);  // as the next transcript starts
    std::filesystem::current_path(previousDir);
    std::filesystem::remove_all(scratch);
    const std::string actual = replaceAll(result.out + result.err, scratch.string(), "@DIR@");
    if (std::getenv("KALVENOR_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(path, std::ios::binary) << actual;
        GTEST_SKIP() << "rewrote " << path;
    }
    EXPECT_EQ(actual, expected.str());
}

INSTANTIATE_TEST_SUITE_P(
    Transcripts, GoldenTranscript,
    ::testing::Values("start_screen", "about_box", "two_person_win", "four_axes", "vs_cpu_guide",
                      "nobody_can_move", "save_before_any_game", "menu", "save_adds_extension",
                      "guide_clicks_three_axes", "computers_four_axes", "computer_opens_two_axes",
                      "computer_opens_three_axes", "eight_axes_find_moves", "strong_level_two_axes",
                      "loaded_computer_answers_two_axes", "loaded_computer_opens_two_axes",
                      "loaded_computer_three_axes_status", "loaded_computers_step_two_axes",
                      "keyboard_two_person_win", "keyboard_eight_axes_vs_cpu", "english_walk", "large_board",
                      "redo_two_people", "follow_and_threats", "ask_before_discarding", "loaded_threats"));

// The English walk shows no word of Japanese: only the stones and marks, and the name 日本語 of the
// language menu, which names the language in its own script.
TEST(EnglishWalk, ShowsNoJapanese) {
    std::ifstream file(goldenDir() / "english_walk.txt", std::ios::binary);
    std::string line;
    int shown = 0;
    while (std::getline(file, line)) {
        if (line.starts_with("> ")) {
            continue;
        }
        ++shown;
        if (const auto own = line.find("日本語"); own != std::string::npos) {
            line.erase(own, std::string_view("日本語").size());
        }
        EXPECT_EQ(testing::firstJapaneseCharacter(line), std::nullopt) << line;
    }
    EXPECT_GT(shown, 500);
}

}  // namespace
}  // namespace kalvenor::script
