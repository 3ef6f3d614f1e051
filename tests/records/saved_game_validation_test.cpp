#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "records/saved_game.h"
#include "records/temp_folder.h"

namespace kalvenor {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

// The bytes of a sound saved game of `dimension` axes, with `edit` applied to its header.
std::vector<std::uint8_t> savedGameBytes(int dimension,
                                         const std::function<void(GameDataHeader&)>& edit = {}) {
    GameDataHeader header;
    header.dimension = dimension;
    header.cellCount = 1 << (3 * dimension);
    header.viewCellCount = dimension == 2 ? 64 : 512;
    header.viewOffset = 0;
    header.sideToMove = 1;
    header.humanSide = 1;
    header.inProgress = 1;
    header.stoneCount = 1 << dimension;
    header.turnNumberFirst = 1;
    header.turnNumberSecond = 1;
    if (edit) {
        edit(header);
    }
    const std::int32_t words[12] = {header.dimension,        header.cellCount,  header.viewCellCount,
                                    header.viewOffset,       header.guideLevel, header.inProgress,
                                    header.sideToMove,       header.stoneCount, header.turnNumberFirst,
                                    header.turnNumberSecond, header.humanSide,  header.mode};
    std::vector<std::uint8_t> bytes;
    for (const std::int32_t word : words) {
        for (int shift = 0; shift < 32; shift += 8) {
            bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(word) >> shift));
        }
    }
    bytes.resize(bytes.size() + (std::size_t{1} << (3 * dimension)), 0);
    return bytes;
}

std::string reasonFor(const std::vector<std::uint8_t>& bytes) {
    const FileValue<SavedGame> result = parseSavedGame(bytes);
    if (result.ok()) {
        ADD_FAILURE() << "accepted";
        return {};
    }
    EXPECT_EQ(result.error().step, FileStep::Check);
    return result.error().reason;
}

TEST(SavedGameValidation, AcceptsSoundFiles) {
    for (int dimension = 2; dimension <= 5; ++dimension) {
        const FileValue<SavedGame> result = parseSavedGame(savedGameBytes(dimension));
        ASSERT_TRUE(result.ok()) << result.error().reason;
        EXPECT_EQ(result.value().header.dimension, dimension);
        EXPECT_EQ(result.value().board.size(), std::size_t{1} << (3 * dimension));
    }
}

TEST(SavedGameValidation, RefusesAFileOfTheWrongLength) {
    auto bytes = savedGameBytes(3);
    bytes.resize(30);
    EXPECT_EQ(reasonFor(bytes),
              "not a saved game: the file is 30 bytes long, a game of 3 dimensions needs 560");
    bytes = savedGameBytes(3);
    bytes.push_back(0);
    EXPECT_EQ(reasonFor(bytes),
              "not a saved game: the file is 561 bytes long, a game of 3 dimensions needs 560");
    bytes = savedGameBytes(2);
    bytes.resize(111);
    EXPECT_EQ(reasonFor(bytes),
              "not a saved game: the file is 111 bytes long, a game of 2 dimensions needs 112");
    EXPECT_EQ(reasonFor({}),
              "not a saved game: the file is 0 bytes long, shorter than the 48-byte header of a saved game");
    EXPECT_EQ(reasonFor({9, 0, 0}),
              "not a saved game: the file is 3 bytes long, shorter than the 48-byte header of a saved game");
}

TEST(SavedGameValidation, RefusesEveryHeaderFieldOutOfRange) {
    const std::pair<std::function<void(GameDataHeader&)>, std::string> cases[] = {
        {[](GameDataHeader& h) { h.cellCount = 4096; },
         "the board has 4096 cells, a game of 3 dimensions has 512"},
        {[](GameDataHeader& h) { h.cellCount = -512; },
         "the board has -512 cells, a game of 3 dimensions has 512"},
        {[](GameDataHeader& h) { h.viewCellCount = 64; },
         "the view shows 64 cells, a game of 3 dimensions shows 512"},
        {[](GameDataHeader& h) { h.viewOffset = 8; },
         "the view starts at cell 8, a game of 3 dimensions shows the whole board from cell 0"},
        {[](GameDataHeader& h) { h.guideLevel = 3; }, "the guide level is 3, it must be 0, 1 or 2"},
        {[](GameDataHeader& h) { h.guideLevel = -1; }, "the guide level is -1, it must be 0, 1 or 2"},
        {[](GameDataHeader& h) { h.inProgress = 2; }, "the game-in-progress flag is 2, it must be 0 or 1"},
        {[](GameDataHeader& h) { h.sideToMove = 0; },
         "the side to move is 0, it must be 1 (first) or 2 (second)"},
        {[](GameDataHeader& h) { h.sideToMove = 258; },
         "the side to move is 258, it must be 1 (first) or 2 (second)"},
        {[](GameDataHeader& h) { h.humanSide = 3; },
         "the player's side is 3, it must be 1 (first) or 2 (second)"},
        {[](GameDataHeader& h) { h.mode = 3; }, "the game mode is 3, it must be 0, 1 or 2"},
        {[](GameDataHeader& h) { h.mode = -2147483647 - 1; },
         "the game mode is -2147483648, it must be 0, 1 or 2"},
    };
    for (const auto& [edit, why] : cases) {
        EXPECT_EQ(reasonFor(savedGameBytes(3, edit)), "not a saved game: " + why);
    }
}

// Counters a game cannot reach would overflow in play: 0 .. 2^30 is far beyond any game.
TEST(SavedGameValidation, RefusesCountersNoGameCanReach) {
    const std::string range = ", it must be 0 to 1073741824 in a game that can be played";
    using Edit = std::function<void(GameDataHeader&, std::int32_t)>;
    const std::vector<std::pair<Edit, std::string>> counters = {
        {[](GameDataHeader& h, std::int32_t v) { h.stoneCount = v; }, "the stone count"},
        {[](GameDataHeader& h, std::int32_t v) { h.turnNumberFirst = v; },
         "the turn number of the first side"},
        {[](GameDataHeader& h, std::int32_t v) { h.turnNumberSecond = v; },
         "the turn number of the second side"},
    };
    for (const auto& [edit, name] : counters) {
        for (const std::int32_t value : {2147483647, (1 << 30) + 1, -1}) {
            EXPECT_EQ(reasonFor(savedGameBytes(3, [&](GameDataHeader& h) { edit(h, value); })),
                      "not a saved game: " + name + " is " + std::to_string(value) + range);
        }
        for (const std::int32_t value : {0, 1 << 30}) {
            EXPECT_TRUE(parseSavedGame(savedGameBytes(3, [&](GameDataHeader& h) { edit(h, value); })).ok());
        }
    }
}

TEST(SavedGameValidation, RefusesADimensionOutsideTwoToEight) {
    for (const std::int32_t dimension : {1, 9, -3, 1 << 30}) {
        auto bytes = savedGameBytes(2, [&](GameDataHeader& h) { h.dimension = dimension; });
        EXPECT_EQ(reasonFor(bytes), "not a saved game: the board has " + std::to_string(dimension) +
                                        " dimensions, a game has 2 to 8");
    }
    // The header of a game saved before any game, followed by board bytes, is no game either.
    EXPECT_EQ(reasonFor(savedGameBytes(2, [](GameDataHeader& h) { h.dimension = 0; })),
              "not a saved game: the board has 0 dimensions, a game has 2 to 8");
}

TEST(SavedGameValidation, TheViewOfFourOrMoreAxesStartsAtASliceBelowTheBoardsEnd) {
    const auto withOffset = [](std::int32_t offset) {
        return savedGameBytes(4, [=](GameDataHeader& h) { h.viewOffset = offset; });
    };
    for (const std::int32_t offset : {0, 512, 1536, 4096 - 512}) {
        EXPECT_TRUE(parseSavedGame(withOffset(offset)).ok()) << offset;
    }
    for (const std::int32_t offset : {1, 8, 64, 1537, 4096, -512}) {
        EXPECT_EQ(reasonFor(withOffset(offset)),
                  "not a saved game: the view starts at cell " + std::to_string(offset) +
                      ", which is not the first cell of a slice of a game of 4 dimensions");
    }
    EXPECT_EQ(reasonFor(savedGameBytes(2, [](GameDataHeader& h) { h.viewCellCount = 512; })),
              "not a saved game: the view shows 512 cells, a game of 2 dimensions shows 64");
}

TEST(SavedGameValidation, RefusesACellValueOtherThanZeroToTwo) {
    auto bytes = savedGameBytes(2);
    bytes[48 + 40] = 3;
    EXPECT_EQ(reasonFor(bytes), "not a saved game: cell 40 holds the value 3, a cell holds 0, 1 or 2");
    bytes[48 + 40] = 0;
    bytes.back() = 255;
    EXPECT_EQ(reasonFor(bytes), "not a saved game: cell 63 holds the value 255, a cell holds 0, 1 or 2");
}

TEST(SavedGameValidation, TheFileReaderGivesTheSameReasons) {
    const TempFolder folder;
    auto bytes = savedGameBytes(3);
    bytes.resize(30);
    testing::writeFileBytes(folder / "short.gd", std::string(bytes.begin(), bytes.end()));
    FileValue<SavedGame> result = readSavedGame(folder / "short.gd");
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().step, FileStep::Check);
    EXPECT_EQ(result.error().path, folder / "short.gd");
    EXPECT_EQ(result.error().reason,
              "not a saved game: the file is 30 bytes long, a game of 3 dimensions needs 560");

    bytes = savedGameBytes(5);
    bytes[48 + 32767] = 7;
    testing::writeFileBytes(folder / "cell.gd", std::string(bytes.begin(), bytes.end()));
    result = readSavedGame(folder / "cell.gd");
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().reason,
              "not a saved game: cell 32767 holds the value 7, a cell holds 0, 1 or 2");

    // A header claiming eight axes on a small file is refused before the board is read.
    bytes = savedGameBytes(2, [](GameDataHeader& h) { h.dimension = 8; });
    testing::writeFileBytes(folder / "claims.gd", std::string(bytes.begin(), bytes.end()));
    result = readSavedGame(folder / "claims.gd");
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().reason,
              "not a saved game: the file is 112 bytes long, a game of 8 dimensions needs 16777264");
}

#ifndef _WIN32  // POSIX messages, links and devices; win32_file_test covers Windows
TEST(SavedGameValidation, AFileThatCannotBeOpenedIsNotCalledInvalid) {
    const TempFolder folder;
    FileValue<SavedGame> result = readSavedGame(folder / "missing.gd");
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().message(),
              (folder / "missing.gd").string() + ": cannot open: No such file or directory");

    fs::create_symlink("loop.gd", folder / "loop.gd");
    result = readSavedGame(folder / "loop.gd");
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().summary(), "cannot open: Too many levels of symbolic links");

    result = readSavedGame(folder.path());
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().summary(), "cannot open: it is a folder");

    result = readSavedGame("/dev/zero");
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().step, FileStep::Check);
}
#endif

}  // namespace
}  // namespace kalvenor

namespace kalvenor {
namespace {

// The fuzz seeds are only useful if the sound ones really pass and the broken ones really fail.
TEST(SavedGameValidation, TheFuzzSeedsAreWhatTheirNamesSay) {
    const char* sourceDir = std::getenv("KALVENOR_SOURCE_DIR");
    ASSERT_NE(sourceDir, nullptr) << "run through CTest, which names the source folder";
    int seeds = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(sourceDir) / "fuzz/corpus/saved_game")) {
        const std::string bytes = testing::fileBytes(entry.path());
        const FileValue<SavedGame> result =
            parseSavedGame({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
        const bool sound = entry.path().filename().string().starts_with("valid_");
        EXPECT_EQ(result.ok(), sound) << entry.path();
        ++seeds;
    }
    EXPECT_GE(seeds, 8);
}

}  // namespace
}  // namespace kalvenor
