#include "records/saved_game.h"

#include <gtest/gtest.h>

#include <random>
#ifndef _WIN32
#include <sys/stat.h>

#include "records/file_size_limit.h"
#endif

#include "records/temp_folder.h"

namespace kalvenor {
namespace {

namespace fs = std::filesystem;
using testing::fileBytes;
using testing::TempFolder;

// A consistent header of a game in progress on a board of `dimension` axes.
GameDataHeader headerFor(int dimension) {
    GameDataHeader header;
    header.dimension = dimension;
    header.cellCount = 1 << (3 * dimension);
    header.viewCellCount = dimension == 2 ? 64 : 512;
    header.viewOffset = dimension <= 3 ? 0 : header.cellCount - 512;
    header.guideLevel = 2;
    header.inProgress = 1;
    header.sideToMove = 2;
    header.stoneCount = (1 << dimension) + 17;
    header.turnNumberFirst = 9;
    header.turnNumberSecond = 8;
    header.humanSide = 2;
    header.mode = 1;
    return header;
}

std::vector<std::uint8_t> randomBoard(std::size_t cells, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<std::uint8_t> board(cells);
    for (auto& cell : board) {
        cell = static_cast<std::uint8_t>(random() % 3);
    }
    return board;
}

[[maybe_unused]] std::string asBytes(std::span<const std::uint8_t> data) {
    return {data.begin(), data.end()};
}

TEST(SavedGame, RoundTripsEveryDimension) {
    const TempFolder folder;
    for (int dimension = 2; dimension <= 8; ++dimension) {
        const GameDataHeader header = headerFor(dimension);
        const auto board =
            randomBoard(static_cast<std::size_t>(header.cellCount), static_cast<unsigned>(dimension));
        const fs::path path = folder / ("game" + std::to_string(dimension) + ".gd");

        const FileResult saved = writeSavedGame(path, header, board);
        ASSERT_TRUE(saved.ok()) << saved.error().message();
        EXPECT_EQ(fs::file_size(path), 48U + board.size());

        const FileValue<SavedGame> loaded = readSavedGame(path);
        ASSERT_TRUE(loaded.ok()) << loaded.error().message();
        EXPECT_EQ(loaded.value().header, header);
        EXPECT_TRUE(loaded.value().board == board) << dimension << " axes";
    }
    EXPECT_EQ(fs::file_size(folder / "game8.gd"), 16777264U);
    EXPECT_EQ(fs::file_size(folder / "game2.gd"), 112U);
}

TEST(SavedGame, WordsAreLittleEndianInFileOrder) {
    const TempFolder folder;
    GameDataHeader header = headerFor(2);
    header.stoneCount = 0x01020304;
    header.turnNumberSecond = -2;
    std::vector<std::uint8_t> board(64, 0);
    board[63] = 2;
    ASSERT_TRUE(writeSavedGame(folder / "a.gd", header, board).ok());

    const std::string bytes = fileBytes(folder / "a.gd");
    ASSERT_EQ(bytes.size(), 112U);
    const std::string expectedHeader(
        "\x02\0\0\0"
        "\x40\0\0\0"
        "\x40\0\0\0"
        "\0\0\0\0"
        "\x02\0\0\0"
        "\x01\0\0\0"
        "\x02\0\0\0"
        "\x04\x03\x02\x01"
        "\x09\0\0\0"
        "\xFE\xFF\xFF\xFF"
        "\x02\0\0\0"
        "\x01\0\0\0",
        48);
    EXPECT_EQ(bytes.substr(0, 48), expectedHeader);
    EXPECT_EQ(bytes.substr(48), std::string(63, '\0') + '\x02');
}

TEST(SavedGame, BeforeAnyGameTheHeaderAloneIsWrittenAndRefusedOnLoad) {
    const TempFolder folder;
    GameDataHeader empty;
    empty.sideToMove = 1;
    empty.humanSide = 1;
    empty.viewCellCount = 12;
    ASSERT_TRUE(writeSavedGame(folder / "none.gd", empty, {}).ok());
    EXPECT_EQ(fs::file_size(folder / "none.gd"), 48U);

    const FileValue<SavedGame> loaded = readSavedGame(folder / "none.gd");
    ASSERT_FALSE(loaded.ok());
    EXPECT_EQ(loaded.error().reason,
              "not a saved game: it was saved before any game had started and holds no board");
}

#ifndef _WIN32
// Permissions, links, devices, pipes and file size limits as POSIX has them; win32_file_test
// holds the Windows build to the same contracts.

TEST(SavedGame, ReplacesAnExistingFileKeepingItsPermissions) {
    const TempFolder folder;
    const fs::path path = folder / "game.gd";
    testing::writeFileBytes(path,
                            "an older and longer file than the new one will be, by far: ......"
                            "..........................................................................");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const auto board = randomBoard(64, 1);
    ASSERT_TRUE(writeSavedGame(path, headerFor(2), board).ok());
    EXPECT_EQ(fileBytes(path).substr(48), asBytes(board));
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST(SavedGame, WritesThroughASymbolicLinkAlsoWhenItsFileIsMissing) {
    const TempFolder folder;
    testing::writeFileBytes(folder / "real.gd", "old");
    fs::create_symlink("real.gd", folder / "link.gd");
    ASSERT_TRUE(writeSavedGame(folder / "link.gd", headerFor(2), randomBoard(64, 2)).ok());
    EXPECT_TRUE(fs::is_symlink(folder / "link.gd"));
    EXPECT_EQ(fs::file_size(folder / "real.gd"), 112U);

    // A dangling link, through a second one: the file it names is created, both links stay.
    fs::create_directory(folder / "saves");
    fs::create_symlink("saves/new.gd", folder / "dangling.gd");
    fs::create_symlink(folder / "dangling.gd", folder / "saves" / "outer.gd");
    ASSERT_TRUE(writeSavedGame(folder / "saves" / "outer.gd", headerFor(2), randomBoard(64, 2)).ok());
    EXPECT_TRUE(fs::is_symlink(folder / "dangling.gd"));
    EXPECT_TRUE(fs::is_symlink(folder / "saves" / "outer.gd"));
    EXPECT_EQ(fs::file_size(folder / "saves" / "new.gd"), 112U);

    fs::create_symlink("loop.gd", folder / "loop.gd");
    const FileResult looping = writeSavedGame(folder / "loop.gd", headerFor(2), randomBoard(64, 2));
    ASSERT_FALSE(looping.ok());
    EXPECT_EQ(looping.error().summary(), "cannot open: Too many levels of symbolic links");
    EXPECT_TRUE(fs::is_symlink(folder / "loop.gd"));
}

// Even for a user the system lets write anything: the file's own permissions protect it.
TEST(SavedGame, AWriteProtectedFileIsNotReplaced) {
    const TempFolder folder;
    const fs::path path = folder / "kept.gd";
    testing::writeFileBytes(path, "a game kept safe");
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const FileResult result = writeSavedGame(path, headerFor(2), randomBoard(64, 2));
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().summary(), "cannot replace: the file is write-protected");
    EXPECT_EQ(fileBytes(path), "a game kept safe");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

#endif

TEST(SavedGame, ReportsAFolderWhereNothingCanBeCreated) {
    const TempFolder folder;
    testing::writeFileBytes(folder / "plain", "x");
    for (const fs::path& path : {folder / "plain" / "game.gd", folder / "missing" / "game.gd"}) {
        const FileResult result = writeSavedGame(path, headerFor(2), randomBoard(64, 3));
        ASSERT_FALSE(result.ok());
        EXPECT_EQ(result.error().step, FileStep::Create);
        EXPECT_EQ(result.error().path, path);
    }
    const FileResult onFolder = writeSavedGame(folder.path(), headerFor(2), randomBoard(64, 3));
    ASSERT_FALSE(onFolder.ok());
    EXPECT_EQ(onFolder.error().summary(), "cannot open: it is a folder");
}

#ifndef _WIN32
TEST(SavedGame, AFileOfTheSystemSaysWhatItIs) {
    const fs::path madeUp = "/sys/devices/system/cpu/online";  // "4096 bytes", a few bytes read
    if (!fs::exists(madeUp)) {
        GTEST_SKIP() << "no " << madeUp;
    }
    const FileValue<SavedGame> loaded = readSavedGame(madeUp);
    ASSERT_FALSE(loaded.ok());
    EXPECT_TRUE(loaded.error().summary().starts_with(
        "not a saved game: it is a file the system makes up as it is read (its size says 4096 bytes"))
        << loaded.error().summary();
}

TEST(SavedGame, ReportsAFullDevice) {
    const FileResult result = writeSavedGame("/dev/full", headerFor(3), randomBoard(512, 4));
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().message(), "/dev/full: cannot write: No space left on device");
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

TEST(SavedGame, APipeIsNeitherWaitedForNorReplaced) {
    const TempFolder folder;
    const fs::path pipe = folder / "pipe.gd";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const FileResult saved = writeSavedGame(pipe, headerFor(2), randomBoard(64, 8));
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.error().message(), pipe.string() + ": cannot open: No such device or address");
    EXPECT_TRUE(fs::is_fifo(pipe));
    const FileValue<SavedGame> loaded = readSavedGame(pipe);
    ASSERT_FALSE(loaded.ok());
    EXPECT_EQ(loaded.error().step, FileStep::Check);
}

TEST(SavedGame, AFailedSaveLeavesThePreviousFileByteForByte) {
    const TempFolder folder;
    const fs::path path = folder / "game.gd";
    const auto oldBoard = randomBoard(512, 5);
    ASSERT_TRUE(writeSavedGame(path, headerFor(3), oldBoard).ok());
    const std::string before = fileBytes(path);

    const FileResult result = [&path] {
        const testing::FileSizeLimit limit(1000);
        return writeSavedGame(path, headerFor(4), randomBoard(4096, 6));
    }();
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().message(), path.string() + ": cannot write: File too large");
    EXPECT_EQ(fileBytes(path), before);
    // The temporary file is gone again.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

#endif

TEST(SavedGame, RefusesABoardThatDoesNotMatchTheHeader) {
    const TempFolder folder;
    const FileResult result = writeSavedGame(folder / "game.gd", headerFor(3), randomBoard(64, 7));
    EXPECT_FALSE(result.ok());
    EXPECT_FALSE(fs::exists(folder / "game.gd"));
}

}  // namespace
}  // namespace kalvenor
