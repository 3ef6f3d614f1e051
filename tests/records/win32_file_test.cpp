// The record and the saved games on Windows: the contracts of the Linux build, with wide paths and
// the system's own error messages.

#include <gtest/gtest.h>
#include <windows.h>

#include "records/record_file.h"
#include "records/saved_game.h"
#include "records/temp_folder.h"
#include "records/utf8_path.h"

namespace kalvenor {
namespace {

namespace fs = std::filesystem;
using testing::fileBytes;
using testing::TempFolder;

GameDataHeader twoAxes() {
    GameDataHeader header;
    header.dimension = 2;
    header.cellCount = 64;
    header.viewCellCount = 64;
    header.sideToMove = 1;
    header.humanSide = 1;
    header.inProgress = 1;
    return header;
}

TEST(Win32Files, JapaneseNamesWithSpacesWorkForSavesAndTheRecord) {
    const TempFolder folder;
    const fs::path games = folder.path() / pathFromUtf8("対局 記録");
    fs::create_directories(games);
    std::vector<std::uint8_t> board(64, 0);
    board[9] = 1;
    const fs::path saved = games / pathFromUtf8("二人 対局.gd");
    ASSERT_TRUE(writeSavedGame(saved, twoAxes(), board).ok);
    const LoadResult loaded = readSavedGame(saved);
    ASSERT_TRUE(loaded.game) << loaded.reason;
    EXPECT_EQ(loaded.game->board, board);

    const GameRecordFile record(games / defaultRecordPath());
    ASSERT_EQ(record.appendLine(" game start"), RecordResult::Written);
    ASSERT_EQ(record.appendLine(" ■ player choice"), RecordResult::Written);
    EXPECT_EQ(fileBytes(games / pathFromUtf8("棋譜.txt")), " game start\r\n \x81\xA1 player choice\r\n");
}

TEST(Win32Files, AFailedSaveLeavesThePreviousFileAndSaysWhy) {
    const TempFolder folder;
    const fs::path path = folder.path() / pathFromUtf8("対局.gd");
    ASSERT_TRUE(writeSavedGame(path, twoAxes(), std::vector<std::uint8_t>(64, 2)).ok);
    const std::string before = fileBytes(path);

    // Another program holds the file open and shares nothing: it can be neither replaced nor moved.
    const HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const FileResult result = writeSavedGame(path, twoAxes(), std::vector<std::uint8_t>(64, 1));
    CloseHandle(held);

    EXPECT_FALSE(result.ok);
    const std::string prefix = "cannot replace " + utf8FromPath(path) + ": ";
    EXPECT_TRUE(result.error.starts_with(prefix)) << result.error;
    EXPECT_GT(result.error.size(), prefix.size()) << "the system's message follows";
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1)
        << "the temporary file is gone again";
}

TEST(Win32Files, AnUnopenableRecordIsReportedAndAFolderIsNoSavedGame) {
    const TempFolder folder;
    EXPECT_EQ(GameRecordFile(folder.path() / "missing" / "x.txt").appendLine("line"),
              RecordResult::OpenFailed);
    const LoadResult missing = readSavedGame(folder.path() / "missing.gd");
    EXPECT_EQ(missing.failure, LoadFailure::CannotOpen);
    EXPECT_GT(missing.reason.size(),
              ("cannot open " + utf8FromPath(folder.path() / "missing.gd") + ": ").size());
    EXPECT_FALSE(writeSavedGame(folder.path(), twoAxes(), std::vector<std::uint8_t>(64, 0)).ok);
}

}  // namespace
}  // namespace kalvenor
