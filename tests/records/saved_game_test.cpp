#include "records/saved_game.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <random>

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

std::string asBytes(std::span<const std::uint8_t> data) {
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
        ASSERT_TRUE(saved.ok) << saved.error;
        EXPECT_EQ(fs::file_size(path), 48U + board.size());

        const LoadResult loaded = readSavedGame(path);
        ASSERT_EQ(loaded.failure, LoadFailure::None) << loaded.reason;
        ASSERT_TRUE(loaded.game);
        EXPECT_EQ(loaded.game->header, header);
        EXPECT_TRUE(loaded.game->board == board) << dimension << " axes";
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
    ASSERT_TRUE(writeSavedGame(folder / "a.gd", header, board).ok);

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
    ASSERT_TRUE(writeSavedGame(folder / "none.gd", empty, {}).ok);
    EXPECT_EQ(fs::file_size(folder / "none.gd"), 48U);

    const LoadResult loaded = readSavedGame(folder / "none.gd");
    EXPECT_EQ(loaded.failure, LoadFailure::Invalid);
    EXPECT_FALSE(loaded.game);
    EXPECT_EQ(loaded.reason, "not a saved game: it was saved before any game had started and holds no board");
}

TEST(SavedGame, ReplacesAnExistingFileKeepingItsPermissions) {
    const TempFolder folder;
    const fs::path path = folder / "game.gd";
    testing::writeFileBytes(path,
                            "an older and longer file than the new one will be, by far: ......"
                            "..........................................................................");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const auto board = randomBoard(64, 1);
    ASSERT_TRUE(writeSavedGame(path, headerFor(2), board).ok);
    EXPECT_EQ(fileBytes(path).substr(48), asBytes(board));
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST(SavedGame, WritesThroughASymbolicLink) {
    const TempFolder folder;
    testing::writeFileBytes(folder / "real.gd", "old");
    fs::create_symlink("real.gd", folder / "link.gd");
    ASSERT_TRUE(writeSavedGame(folder / "link.gd", headerFor(2), randomBoard(64, 2)).ok);
    EXPECT_TRUE(fs::is_symlink(folder / "link.gd"));
    EXPECT_EQ(fs::file_size(folder / "real.gd"), 112U);
}

TEST(SavedGame, ReportsAFolderWhereNothingCanBeCreated) {
    const TempFolder folder;
    testing::writeFileBytes(folder / "plain", "x");
    for (const fs::path& path : {folder / "plain" / "game.gd", folder / "missing" / "game.gd"}) {
        const FileResult result = writeSavedGame(path, headerFor(2), randomBoard(64, 3));
        EXPECT_FALSE(result.ok);
        EXPECT_NE(result.error.find("cannot save in the folder of " + path.string()), std::string::npos)
            << result.error;
    }
    const FileResult onFolder = writeSavedGame(folder.path(), headerFor(2), randomBoard(64, 3));
    EXPECT_FALSE(onFolder.ok);
    EXPECT_NE(onFolder.error.find("is a folder"), std::string::npos);
}

TEST(SavedGame, ReportsAFullDevice) {
    const FileResult result = writeSavedGame("/dev/full", headerFor(3), randomBoard(512, 4));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "cannot write /dev/full: No space left on device");
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

TEST(SavedGame, APipeIsNeitherWaitedForNorReplaced) {
    const TempFolder folder;
    const fs::path pipe = folder / "pipe.gd";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const FileResult saved = writeSavedGame(pipe, headerFor(2), randomBoard(64, 8));
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.error, "cannot open " + pipe.string() + ": No such device or address");
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_EQ(readSavedGame(pipe).failure, LoadFailure::Invalid);
}

// Lowers the largest file this process may write, so that a save fails part-way as on a full disk.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit lowered = previous_;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousSignal_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit previous_{};
    void (*previousSignal_)(int) = nullptr;
};

TEST(SavedGame, AFailedSaveLeavesThePreviousFileByteForByte) {
    const TempFolder folder;
    const fs::path path = folder / "game.gd";
    const auto oldBoard = randomBoard(512, 5);
    ASSERT_TRUE(writeSavedGame(path, headerFor(3), oldBoard).ok);
    const std::string before = fileBytes(path);

    FileResult result;
    {
        const FileSizeLimit limit(1000);
        result = writeSavedGame(path, headerFor(4), randomBoard(4096, 6));
    }
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "cannot write " + path.string() + ": File too large");
    EXPECT_EQ(fileBytes(path), before);
    // The temporary file is gone again.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST(SavedGame, RefusesABoardThatDoesNotMatchTheHeader) {
    const TempFolder folder;
    const FileResult result = writeSavedGame(folder / "game.gd", headerFor(3), randomBoard(64, 7));
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(fs::exists(folder / "game.gd"));
}

}  // namespace
}  // namespace kalvenor
