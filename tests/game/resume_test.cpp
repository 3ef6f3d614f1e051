// The kept game: it comes back after a quit with its history, on two and eight axes and in each
// mode; a kept game that cannot be read is set aside and the program starts without it.

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <tuple>

#include "game/game_file.h"
#include "game/game_keeper.h"
#include "game/kept_game.h"
#include "game/new_game.h"
#include "game/opening_game.h"
#include "game_harness.h"
#include "records/own_file.h"
#include "snapshot.h"
#include "ui/command_routing.h"

namespace kalvenor::flows_test {
namespace {

namespace fs = std::filesystem;

// A game whose kept state lives in `folder`; what the keeper says is collected.
struct KeptHarness {
    explicit KeptHarness(const fs::path& folder) {
        keeper = keepGameIn(game.session, folder, [this](const std::string& line) { said.push_back(line); });
    }
    GameHarness game;
    std::shared_ptr<GameKeeper> keeper;
    std::vector<std::string> said;
};

// One move of the kind of game on screen: a person's cell (with the computer's reply), or a step
// of the computers.
void playOneMove(GameHarness& game) {
    const GameState& state = game.state();
    switch (state.mode) {
        case GameMode::HumanVsHuman:
            game.clickCell(state.viewOffset + 9 * (state.turnNumberOf(CellState::First) +
                                                   state.turnNumberOf(CellState::Second)));
            break;
        case GameMode::HumanVsCpu:
            game.clickCell(legalCellOnScreen(game));
            break;
        case GameMode::CpuVsCpu:
            game.clickStep(1);
            break;
    }
}

class Resume : public ::testing::TestWithParam<std::tuple<int, GameMode>> {};

TEST_P(Resume, TheGameComesBackAfterAQuitWithItsHistory) {
    const auto [dimension, mode] = GetParam();
    const fs::path folder = fs::temp_directory_path() / ("kalvenor-resume-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    std::vector<Snapshot> positions;
    {
        KeptHarness before(folder);
        if (mode == GameMode::HumanVsHuman) {
            before.game.command(gameStartCommand({dimension, mode}));
        } else {
            before.game.load(standardOpeningGame(dimension, mode));
        }
        positions.push_back(snapshotOf(before.game));
        for (int move = 0; move < 3; ++move) {
            playOneMove(before.game);
            positions.push_back(snapshotOf(before.game));
            if (move == 0) {
                rememberGameFile(before.game.session, "mine.gd");  // as a save does
            }
        }
        before.game.command(command_id::TakeBack);  // something to redo after the resume
        before.game.command(command_id::Quit);
        EXPECT_EQ(before.said, std::vector<std::string>());
    }
    KeptHarness after(folder);
    EXPECT_EQ(after.said, std::vector<std::string>());
    ASSERT_TRUE(after.game.session.board.has_value()) << "the unfinished game is back";
    EXPECT_EQ(after.game.session.file.path, "mine.gd") << "with its file";
    EXPECT_TRUE(gameChanged(after.game.session)) << "changed since it was saved";
    if (mode == GameMode::CpuVsCpu) {
        EXPECT_EQ(snapshotOf(after.game), positions[3]);
    } else {
        EXPECT_EQ(snapshotOf(after.game), positions[2]);
        after.game.command(command_id::TakeBack);
        EXPECT_EQ(snapshotOf(after.game), positions[1]) << "a move made before the quit is taken back";
        EXPECT_FALSE(gameChanged(after.game.session)) << "back at the moment it was saved";
        after.game.command(command_id::Redo);
        after.game.command(command_id::Redo);
        EXPECT_EQ(snapshotOf(after.game), positions[3]) << "and played again, with the one taken back before";
    }
    fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(TwoAndEightAxes, Resume,
                         ::testing::Combine(::testing::Values(2, 8),
                                            ::testing::Values(GameMode::HumanVsHuman, GameMode::HumanVsCpu,
                                                              GameMode::CpuVsCpu)));

// Each a way a kept game can be spoilt, applied to its folder.
void flipAByte(const fs::path& folder) {
    std::fstream file(folder / "history", std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(40);
    file.put('\x5A');
}
void cutShort(const fs::path& folder) {
    fs::resize_file(folder / "history", fs::file_size(folder / "history") / 2);
}
void foreignFile(const fs::path& folder) {
    std::ofstream(folder / "history", std::ios::binary) << "[General]\nlevel=1\n";
}
void positionGone(const fs::path& folder) {
    fs::remove(folder / "position-1.gd");
}
void emptyFile(const fs::path& folder) {
    std::ofstream(folder / "history", std::ios::binary | std::ios::trunc);
}

TEST(Resume, AKeptGameThatCannotBeReadIsSetAsideAndTheProgramStarts) {
    const fs::path folder = fs::temp_directory_path() / ("kalvenor-spoilt-" + std::to_string(::getpid()));
    for (const auto spoil : {flipAByte, cutShort, foreignFile, positionGone, emptyFile}) {
        fs::remove_all(folder);
        {
            KeptHarness before(folder);
            before.game.command(gameStartCommand({3, GameMode::HumanVsHuman}));
            before.game.clickCell(0);
        }
        spoil(folder);
        KeptHarness after(folder);
        ASSERT_EQ(after.said.size(), 1u);
        EXPECT_NE(after.said[0].find("set aside"), std::string::npos) << after.said[0];
        EXPECT_TRUE(fs::exists(folder / "history.unreadable"));
        EXPECT_FALSE(after.game.session.board.has_value()) << "the start screen, as with nothing kept";
        // The next game is kept as usual.
        after.game.command(gameStartCommand({2, GameMode::HumanVsHuman}));
        after.game.clickCell(5);
        KeptHarness again(folder);
        EXPECT_EQ(again.said, std::vector<std::string>());
        EXPECT_EQ(snapshotOf(again.game), snapshotOf(after.game));
    }
    fs::remove_all(folder);
}

TEST(Resume, AFinishedGameIsNotBroughtBack) {
    const fs::path folder = fs::temp_directory_path() / ("kalvenor-finished-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    {
        KeptHarness before(folder);
        before.game.command(102);
        before.game.answerBox(platform::MessageBoxResult::Ok);
        for (const std::int32_t cell : {0, 8, 1, 9, 2, 10, 3, 11, 4}) {
            before.game.clickCell(cell);
        }
        ASSERT_FALSE(before.game.state().inProgress);
    }
    KeptHarness after(folder);
    EXPECT_FALSE(after.game.session.board.has_value());
    fs::remove_all(folder);
}

// A history written before the kept game knew its file: the game comes back without a file, and
// counts as changed, so that nothing is thrown away without a question.
TEST(Resume, AKeptGameOfTheFirstVersionComesBackWithoutAFileAsChanged) {
    const fs::path folder = fs::temp_directory_path() / ("kalvenor-first-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    Snapshot position;
    {
        KeptHarness before(folder);
        before.game.command(gameStartCommand({3, GameMode::HumanVsHuman}));
        before.game.clickCell(0);
        position = snapshotOf(before.game);
    }
    const FileValue<std::vector<std::uint8_t>> read = readOwnFile(folder / "history", 1 << 20);
    ASSERT_TRUE(read.ok());
    auto kept = decodeKeptGame(read.value()).first;
    ASSERT_TRUE(kept.has_value());
    kept->file = {};
    std::vector<std::uint8_t> bytes = encodeKeptGame(*kept);
    constexpr std::size_t kEmptyFileAndCheck = 4 + 1 + 8;  // no path, no mark, the check sum
    bytes.resize(bytes.size() - kEmptyFileAndCheck);
    bytes[8] = 1;  // the version
    const std::uint64_t check = hashOfBytes(bytes);
    for (int shift = 0; shift < 64; shift += 8) {
        bytes.push_back(static_cast<std::uint8_t>(check >> shift));
    }
    ASSERT_TRUE(replaceOwnFile(folder / "history", bytes).ok());
    KeptHarness after(folder);
    EXPECT_EQ(after.said, std::vector<std::string>());
    EXPECT_EQ(snapshotOf(after.game), position);
    EXPECT_EQ(after.game.session.file, GameFile{});
    EXPECT_TRUE(gameChanged(after.game.session));
    fs::remove_all(folder);
}

}  // namespace
}  // namespace kalvenor::flows_test
