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
    ASSERT_TRUE(writeSavedGame(saved, twoAxes(), board).ok());
    const FileValue<SavedGame> loaded = readSavedGame(saved);
    ASSERT_TRUE(loaded.ok()) << loaded.error().message();
    EXPECT_EQ(loaded.value().board, board);

    const GameRecordFile record(games / defaultRecordPath());
    ASSERT_TRUE(record.appendLine(" game start").ok());
    ASSERT_TRUE(record.appendLine(" ■ player choice").ok());
    EXPECT_EQ(fileBytes(games / pathFromUtf8("棋譜.txt")), " game start\r\n \x81\xA1 player choice\r\n");
}

TEST(Win32Files, AFailedSaveLeavesThePreviousFileAndSaysWhy) {
    const TempFolder folder;
    const fs::path path = folder.path() / pathFromUtf8("対局.gd");
    ASSERT_TRUE(writeSavedGame(path, twoAxes(), std::vector<std::uint8_t>(64, 2)).ok());
    const std::string before = fileBytes(path);

    // Another program holds the file open and shares nothing: it can be neither replaced nor moved.
    const HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const FileResult result = writeSavedGame(path, twoAxes(), std::vector<std::uint8_t>(64, 1));
    CloseHandle(held);

    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().step, FileStep::Replace);
    EXPECT_EQ(result.error().path, path);
    EXPECT_FALSE(result.error().reason.empty()) << "the system's message";
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1)
        << "the temporary file is gone again";
}

TEST(Win32Files, EveryFailureNamesItsStepAndTheSystemsReason) {
    const TempFolder folder;
    const FileResult record = GameRecordFile(folder.path() / "missing" / "x.txt").appendLine("line");
    ASSERT_FALSE(record.ok());
    EXPECT_EQ(record.error().step, FileStep::Open);
    EXPECT_FALSE(record.error().reason.empty());

    const FileValue<SavedGame> missing = readSavedGame(folder.path() / "missing.gd");
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().step, FileStep::Open);
    EXPECT_FALSE(missing.error().reason.empty());

    const FileResult onFolder = writeSavedGame(folder.path(), twoAxes(), std::vector<std::uint8_t>(64, 0));
    ASSERT_FALSE(onFolder.ok());
    EXPECT_EQ(onFolder.error().summary(), "cannot open: it is a folder");

    // A read-only file is not replaced, as on Linux.
    const fs::path protectedGame = folder.path() / "protected.gd";
    ASSERT_TRUE(writeSavedGame(protectedGame, twoAxes(), std::vector<std::uint8_t>(64, 0)).ok());
    SetFileAttributesW(protectedGame.c_str(), FILE_ATTRIBUTE_READONLY);
    const FileResult refused = writeSavedGame(protectedGame, twoAxes(), std::vector<std::uint8_t>(64, 1));
    SetFileAttributesW(protectedGame.c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().summary(), "cannot replace: the file is write-protected");
}

}  // namespace
}  // namespace kalvenor
