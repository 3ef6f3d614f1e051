#include "records/record_file.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>

#include "records/file_size_limit.h"
#endif

#include <algorithm>
#include <cstdlib>

#include "records/record_blocks.h"
#include "records/temp_folder.h"
#include "records/texts.h"
#include "records/utf8_path.h"

namespace kalvenor {
namespace {

using testing::fileBytes;
using testing::TempFolder;

std::string timeOfTheGoldenRecord() {
    std::tm time{};
    time.tm_year = 2003 - 1900;
    time.tm_mon = 6;
    time.tm_mday = 5;
    time.tm_hour = 9;
    time.tm_min = 3;
    time.tm_sec = 7;
    return timestampText(time);
}

void write(const GameRecordFile& record, const Board& board, const std::vector<RecordEntry>& entries) {
    for (const RecordEntry& entry : entries) {
        const FileResult result =
            entry.withBoard ? record.appendLineWithBoard(board, entry.text) : record.appendLine(entry.text);
        ASSERT_TRUE(result.ok()) << entry.text << ": " << result.error().message();
    }
}

long lineCount(const std::string& bytes) {
    return std::count(bytes.begin(), bytes.end(), '\n');
}

TEST(GameRecordFile, WritesTheScriptedGamesByteForByte) {
    const TempFolder folder;
    const GameRecordFile record(folder / "棋譜.txt");
    const std::string time = timeOfTheGoldenRecord();

    Board two(2);
    write(record, two, startBlock(StartKind::NewGame, 2, GameMode::HumanVsHuman, CellState::First, time));
    two.set(13, CellState::First);
    two.set(56, CellState::Second);
    write(record, two, {{playerMoveText(2, 13, CellState::First), true}});

    Board three(3);
    write(record, three, startBlock(StartKind::NewGame, 3, GameMode::HumanVsCpu, CellState::Second, time));
    three.set(0, CellState::First);
    three.set(11, CellState::First);
    three.set(343, CellState::Second);
    three.set(511, CellState::First);
    write(record, three, {{cpuRecordMoveText(3, 343, CellState::Second), true}});

    Board five(5);
    write(record, five, startBlock(StartKind::Load, 5, GameMode::CpuVsCpu, CellState::First, time));
    five.set(12345, CellState::First);
    write(record, five,
          {{cpuRecordMoveText(5, 12345, CellState::First), true}, {cpuPassText(CellState::Second), true}});
    write(record, five, endBlock(five, CellState::First, GameMode::CpuVsCpu, CellState::First));
    write(record, five, startBlock(StartKind::Restart, 5, GameMode::CpuVsCpu, CellState::First, time));

    const char* sourceDir = std::getenv("KALVENOR_SOURCE_DIR");
    ASSERT_NE(sourceDir, nullptr) << "run through CTest, which names the source folder";
    const std::string golden =
        fileBytes(std::filesystem::path(sourceDir) / "tests/records/golden/record_sequence.txt");
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(fileBytes(record.path()), golden);
}

TEST(GameRecordFile, AMoveAddsElevenLinesOnTwoAxesTwentyTwoOnThreeAndOneOnFive) {
    const TempFolder folder;
    const GameRecordFile record(folder / "棋譜.txt");
    const std::pair<int, long> expectations[] = {{2, 11}, {3, 22}, {5, 1}};
    for (const auto& [dimension, lines] : expectations) {
        Board board(dimension);
        const long before = lineCount(fileBytes(record.path()));
        ASSERT_TRUE(record.appendLineWithBoard(board, playerMoveText(dimension, 0, CellState::First)).ok());
        const std::string bytes = fileBytes(record.path());
        EXPECT_EQ(lineCount(bytes) - before, lines) << dimension << " axes";
        EXPECT_EQ(lineCount(bytes), std::count(bytes.begin(), bytes.end(), '\r'));
    }
}

TEST(GameRecordFile, AppendsToWhatIsThere) {
    const TempFolder folder;
    testing::writeFileBytes(folder / "棋譜.txt", "old\r\n");
    const GameRecordFile record(folder / "棋譜.txt");
    ASSERT_TRUE(record.appendLine(" ■：3").ok());
    EXPECT_EQ(fileBytes(record.path()),
              "old\r\n \x81\xA1\x81\x46"
              "3\r\n");
}

TEST(GameRecordFile, LiesInTheCurrentFolderByDefault) {
    EXPECT_EQ(utf8FromPath(defaultRecordPath()), "棋譜.txt");
    EXPECT_TRUE(defaultRecordPath().is_relative());
}

#ifndef _WIN32  // POSIX messages, links and devices; win32_file_test covers Windows
TEST(GameRecordFile, ReportsAFileThatCannotBeOpened) {
    const TempFolder folder;
    testing::writeFileBytes(folder / "plain", "x");
    Board board(2);
    // Neither a path below a regular file nor one in a missing folder can be created, even by root.
    const std::pair<std::filesystem::path, std::string> cases[] = {
        {folder / "plain" / "棋譜.txt", "cannot open: Not a directory"},
        {folder / "missing" / "棋譜.txt", "cannot open: No such file or directory"},
    };
    for (const auto& [path, summary] : cases) {
        const GameRecordFile record(path);
        for (const FileResult& result :
             {record.appendLine("line"), record.appendLineWithBoard(board, "line")}) {
            ASSERT_FALSE(result.ok());
            EXPECT_EQ(result.error().path, path);
            EXPECT_EQ(result.error().summary(), summary);
        }
    }
}
#endif

#ifndef _WIN32
TEST(GameRecordFile, APipeWithoutAReaderIsRefusedNotWaitedFor) {
    const TempFolder folder;
    ASSERT_EQ(mkfifo((folder / "棋譜.txt").c_str(), 0600), 0);
    const FileResult result = GameRecordFile(folder / "棋譜.txt").appendLine("line");
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().summary(), "cannot open: No such device or address");
}

TEST(GameRecordFile, ReportsAWriteThatFailsAfterTheOpen) {
    const GameRecordFile full("/dev/full");
    for (const FileResult& result :
         {full.appendLine(" game start"), full.appendLineWithBoard(Board(3), " game start")}) {
        ASSERT_FALSE(result.ok());
        EXPECT_EQ(result.error().message(), "/dev/full: cannot write: No space left on device");
    }
}

// A file-size limit stands in for a full disk: the write stops part-way through a character.
TEST(GameRecordFile, AnAppendThatFailsPartWayLeavesTheFileAsItWas) {
    const TempFolder folder;
    const GameRecordFile record(folder / "棋譜.txt");
    ASSERT_TRUE(record.appendLine(" game start").ok());
    const std::string before = fileBytes(record.path());
    FileResult result;
    {
        const testing::FileSizeLimit limit(before.size() + 3);  // one and a half two-byte characters more
        result = record.appendLine("先手の勝ちです");
    }
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().summary(), "cannot write: File too large");
    EXPECT_EQ(fileBytes(record.path()), before);
    ASSERT_TRUE(record.appendLine(" game end").ok());
    EXPECT_EQ(fileBytes(record.path()), before + " game end\r\n");
}

TEST(GameRecordFile, DoesNotFollowAnotherUsersLinkInASharedFolder) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to plant another user's link";
    }
    const TempFolder folder;
    std::filesystem::create_directory(folder / "shared");
    ASSERT_EQ(::chmod((folder / "shared").c_str(), 01777), 0);
    testing::writeFileBytes(folder / "precious", "keep me\n");
    const std::filesystem::path link = folder / "shared" / "棋譜.txt";
    std::filesystem::create_symlink(folder / "precious", link);
    ASSERT_EQ(::lchown(link.c_str(), 65534, 65534), 0);
    const FileResult result = GameRecordFile(link).appendLine("line");
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().summary(),
              "cannot open: it is a symbolic link of another user in a shared folder");
    EXPECT_EQ(fileBytes(folder / "precious"), "keep me\n");
    // Our own link there is followed.
    ASSERT_EQ(::lchown(link.c_str(), 0, 0), 0);
    EXPECT_TRUE(GameRecordFile(link).appendLine("line").ok());
    EXPECT_EQ(fileBytes(folder / "precious"), "keep me\nline\r\n");
}
#endif

TEST(GameRecordFile, WritesNothingForATextTheCodePageCannotHold) {
    const TempFolder folder;
    const GameRecordFile record(folder / "棋譜.txt");
    const FileResult result = record.appendLine("\U0001F600");
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().step, FileStep::Write);
    EXPECT_FALSE(std::filesystem::exists(record.path()));
}

}  // namespace
}  // namespace kalvenor
