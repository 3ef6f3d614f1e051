// Saving and loading through the file dialogs, and the record switch.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "engine/coordinates.h"
#include "game_harness.h"
#include "platform/headless/headless.h"
#include "records/cp932.h"
#include "view/board_view.h"

namespace kalvenor::flows_test {
namespace {

using platform::MessageBoxResult;

// Stones on a few cells of every slice-sized block, none touching another, First to move in HumanVsCpu (the
// person's turn), Second in the other modes; the last slice on screen, the detailed guide.
SavedGame sampleGame(int dimension, GameMode mode) {
    const std::int32_t cellCount = integerPower(8, dimension);
    std::vector<std::uint8_t> cells(static_cast<std::size_t>(cellCount));
    // Only cells with every coordinate even: no two of them touch, so no side has a five.
    constexpr std::int32_t kOddCoordinateBits = 0x249249;
    for (std::int32_t cell = 0; cell < cellCount; cell += 37) {
        if ((cell & kOddCoordinateBits) == 0) {
            cells[static_cast<std::size_t>(cell)] = (cell / 37) % 2 == 0 ? 1 : 2;
        }
    }
    // A pair each side can enclose (at 11 and at 8), so that the game goes on in every mode.
    cells[9] = 1;
    cells[10] = 2;
    SavedGame game = savedGame(dimension, mode, CellState::First, cells);
    game.header.sideToMove = mode == GameMode::HumanVsCpu ? 1 : 2;
    game.header.turnNumberFirst = 7;
    game.header.turnNumberSecond = 6;
    game.header.stoneCount = 1234;
    game.header.guideLevel = 2;
    game.header.viewOffset = dimension <= 3 ? 0 : cellCount - 512;
    return game;
}

std::string savedBytes(const SavedGame& game) {
    std::string bytes(reinterpret_cast<const char*>(&game.header), kGameDataHeaderSize);
    bytes.append(game.board.begin(), game.board.end());
    return bytes;
}

TEST(SaveAndLoad, SavingALoadedGameAtOnceGivesItBackForEveryDimensionAndMode) {
    for (int dimension = 2; dimension <= 8; ++dimension) {
        for (const GameMode mode : {GameMode::HumanVsHuman, GameMode::HumanVsCpu, GameMode::CpuVsCpu}) {
            if (dimension == 8 && mode != GameMode::HumanVsCpu) {
                continue;  // 16 MiB a file: one mode is enough to show the size is handled
            }
            SCOPED_TRACE(::testing::Message() << "D " << dimension << " mode " << static_cast<int>(mode));
            const SavedGame original = sampleGame(dimension, mode);
            GameHarness game;
            game.load(original);
            const GameState& state = game.state();
            EXPECT_EQ(state.viewOffset, original.header.viewOffset);
            EXPECT_EQ(state.guideLevel, 2);
            EXPECT_EQ(state.turnNumberOf(CellState::First), 7);
            EXPECT_EQ(state.stoneCount, 1234);
            EXPECT_EQ(static_cast<std::int32_t>(state.sideToMove), original.header.sideToMove);
            EXPECT_TRUE(
                std::equal(game.board().bytes().begin(), game.board().bytes().end(), original.board.begin()));

            const auto path = game.save();
            EXPECT_EQ(fileBytes(path), savedBytes(original));
            if (dimension <= 4) {
                GameHarness again;
                again.load(sampleGame(2, GameMode::HumanVsHuman), "other.gd");
                // The name as the save dialog took it, without ".gd", finds the file.
                again.answerFileDialog((path.parent_path() / path.stem()).string());
                again.command(151);
                EXPECT_EQ(again.state().viewOffset, original.header.viewOffset);
                EXPECT_EQ(static_cast<std::int32_t>(again.state().sideToMove), original.header.sideToMove);
                EXPECT_EQ(again.board().count(CellState::First), game.board().count(CellState::First));
            }
        }
    }
}

// Counters stop at the loader's limit: whatever a game saves, it loads again.
TEST(SaveAndLoad, AGamePlayedOnFromTheLargestCountersSavesAFileThatLoads) {
    for (const GameMode mode : {GameMode::HumanVsHuman, GameMode::HumanVsCpu}) {
        SCOPED_TRACE(::testing::Message() << "mode " << static_cast<int>(mode));
        SavedGame largest = sampleGame(2, mode);
        largest.header.sideToMove = 1;
        largest.header.stoneCount = kLargestCounter;
        largest.header.turnNumberFirst = kLargestCounter;
        largest.header.turnNumberSecond = kLargestCounter;
        GameHarness game;
        game.load(largest);
        game.clickCell(11);  // encloses the Second stone at 10 for First, in either mode
        ASSERT_EQ(game.board()[11], CellState::First);
        const auto path = game.save();

        GameHarness again;
        again.answerFileDialog(path.string());
        again.command(151);
        EXPECT_TRUE(again.boxes().empty()) << again.boxes().front().text;
        EXPECT_EQ(again.state().stoneCount, kLargestCounter);
        EXPECT_EQ(again.state().turnNumberOf(CellState::First), kLargestCounter);
        EXPECT_EQ(again.board().count(CellState::First), game.board().count(CellState::First));
    }
}

TEST(SaveAndLoad, TurnLabelKeepsTheSavedSideToMove) {
    struct Case {
        GameMode mode;
        CellState humanSide;
        CellState toMove;
        std::string label;
    };
    const Case cases[] = {
        {GameMode::HumanVsHuman, CellState::First, CellState::Second, " 6 turn : □ ( 後手 )"},
        {GameMode::HumanVsHuman, CellState::First, CellState::First, " 7 turn : ■ ( 先手 )"},
        {GameMode::CpuVsCpu, CellState::First, CellState::First, " 7 turn : ■ 先手:CPU A"},
        {GameMode::CpuVsCpu, CellState::Second, CellState::Second, " 6 turn : □ 後手:CPU B"},
        {GameMode::HumanVsCpu, CellState::First, CellState::First, " 7 turn : ■ ( 先手:貴方 )"},
        {GameMode::HumanVsCpu, CellState::Second, CellState::Second, " 6 turn : □ ( 後手:貴方 )"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SavedGame saved = sampleGame(3, c.mode);
        saved.header.humanSide = static_cast<std::int32_t>(c.humanSide);
        saved.header.sideToMove = static_cast<std::int32_t>(c.toMove);
        GameHarness game;
        game.load(saved);
        EXPECT_EQ(game.state().sideToMove, c.toMove);
        EXPECT_EQ(game.label(info_slot::Turn), c.label);
        EXPECT_EQ(game.label(info_slot::FirstCount),
                  " ■：" + std::to_string(game.board().count(CellState::First)));
    }
}

TEST(SaveAndLoad, LoadWritesTheStartBlockWithBoardOnlyUpToThreeAxes) {
    GameHarness three;
    three.switchRecordOn();
    three.load(sampleGame(3, GameMode::HumanVsCpu));
    const std::string record3 = three.recordBytes();
    EXPECT_EQ(record3.rfind(*encodeCp932("\r\n-------------------------------\r\n -- game load --\r\n "
                                         "３次元：対CPU戦\r\n player 先攻 : ■\r\n"),
                            0),
              0U);
    EXPECT_NE(record3.find(" game load\r\n\r\n"), std::string::npos);

    GameHarness four;
    four.switchRecordOn();
    four.load(sampleGame(4, GameMode::HumanVsHuman));
    const std::string record4 = four.recordBytes();
    EXPECT_EQ(record4.find(" game load\r\n"), std::string::npos);
    std::size_t lines = 0;
    for (const char byte : record4) {
        lines += byte == '\n' ? 1 : 0;
    }
    EXPECT_EQ(lines, 6U);
}

// What every refused load must leave: the same board, state and controls.
struct Snapshot {
    std::vector<std::uint8_t> board;
    std::int32_t turnFirst;
    CellState sideToMove;
    std::vector<platform::ControlHandle> cells;

    explicit Snapshot(const GameHarness& game)
        : board(game.board().bytes().begin(), game.board().bytes().end()),
          turnFirst(game.state().turnNumberOf(CellState::First)),
          sideToMove(game.state().sideToMove),
          cells(game.session.view.cellButtons) {}

    bool operator==(const Snapshot&) const = default;
};

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

TEST(SaveAndLoad, InvalidFilesAreRefusedWithTheGameUntouched) {
    GameHarness game;
    game.load(sampleGame(3, GameMode::HumanVsHuman));
    const Snapshot before(game);
    const std::string good = savedBytes(sampleGame(2, GameMode::HumanVsHuman));

    auto withWord = [&good](int word, std::int32_t value) {
        std::string bytes = good;
        std::memcpy(bytes.data() + 4 * word, &value, 4);
        return bytes;
    };
    const std::vector<std::pair<std::string, std::string>> files = {
        {"dimension 9", withWord(0, 9)},
        {"cell count", withWord(1, 65)},
        {"view offset", withWord(3, 8)},
        {"guide level", withWord(4, 3)},
        {"side to move", withWord(6, 0)},
        {"human side", withWord(10, 3)},
        {"mode", withWord(11, 3)},
        {"short", good.substr(0, good.size() - 1)},
        {"long", good + '\0'},
        {"board byte", good.substr(0, good.size() - 1) + '\3'},
        {"start screen", std::string(48, '\0')},
        {"empty", ""},
    };
    std::size_t boxes = game.boxes().size();
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        const auto path = game.folder() / (name + ".gd");
        writeFile(path, bytes);
        game.answerFileDialog(path.string());
        game.command(151);
        EXPECT_TRUE(Snapshot(game) == before);
        ASSERT_EQ(game.boxes().size(), ++boxes);
        EXPECT_NE(game.boxes().back().text.find(path.string()), std::string::npos);
        EXPECT_EQ(game.boxes().back().style.icon, platform::MessageBoxIcon::Exclamation);
    }

#ifndef _WIN32  // the system's own words and a link loop, as POSIX has them
    // A path that cannot be opened: the reason stands under the path.
    std::filesystem::create_symlink("loop.gd", game.folder() / "loop.gd");
    const std::pair<std::string, std::string> unopenable[] = {
        {"missing.gd", "cannot open: No such file or directory"},
        {"loop.gd", "cannot open: Too many levels of symbolic links"},
    };
    for (const auto& [name, reason] : unopenable) {
        const auto path = (game.folder() / name).string();
        game.answerFileDialog(path);
        game.command(151);
        EXPECT_TRUE(Snapshot(game) == before);
        ASSERT_EQ(game.boxes().size(), ++boxes);
        EXPECT_EQ(game.boxes().back().text, path + "\n" + reason);
        EXPECT_EQ(game.boxes().back().caption, "Can not Open File");
        EXPECT_TRUE(game.boxes().back().style.systemModal);
        EXPECT_EQ(game.session.loadFileName, path);
    }
#endif
}

TEST(SaveAndLoad, CancelChangesNothingAndAFailedSaveKeepsWhatWasThere) {
    GameHarness game;
    game.load(sampleGame(2, GameMode::HumanVsHuman));
    const Snapshot before(game);
    const std::string loadName = game.session.loadFileName;
    const std::size_t boxes = game.boxes().size();

    game.answerFileDialog(std::nullopt);
    game.command(151);
    game.answerFileDialog(std::nullopt);
    game.command(150);
    EXPECT_TRUE(Snapshot(game) == before);
    EXPECT_EQ(game.session.loadFileName, loadName);
    EXPECT_EQ(game.session.saveFileName, "*.gd");
    EXPECT_EQ(game.boxes().size(), boxes);

    // A folder stands where the file should go: the save fails, says so, and the folder stays.
    const auto target = game.folder() / "taken.gd";
    std::filesystem::create_directory(target);
    std::filesystem::create_directory(target / "inside");
    game.answerFileDialog(target.string());
    game.command(150);
    ASSERT_EQ(game.boxes().size(), boxes + 1);
    EXPECT_EQ(game.boxes().back().text, target.string() + "\ncannot open: it is a folder");
    EXPECT_EQ(game.boxes().back().caption, "Can not Save File");
    EXPECT_TRUE(std::filesystem::is_directory(target / "inside"));
    EXPECT_EQ(game.session.saveFileName, target.string());
    EXPECT_TRUE(Snapshot(game) == before);

    // A saved game its owner made read-only is not replaced, and the box says why.
    const auto kept = game.folder() / "kept.gd";
    const std::string keptBytes = savedBytes(sampleGame(3, GameMode::HumanVsHuman));
    writeFile(kept, keptBytes);
    std::filesystem::permissions(kept, std::filesystem::perms::owner_read);
    game.answerFileDialog(kept.string());
    game.answerBox(MessageBoxResult::Yes);  // replace it
    game.command(150);
    ASSERT_EQ(game.boxes().size(), boxes + 3);
    EXPECT_EQ(game.boxes()[boxes + 1].caption, "上書き確認");
    EXPECT_EQ(game.boxes().back().text, kept.string() + "\ncannot replace: the file is write-protected");
    EXPECT_EQ(game.boxes().back().caption, "Can not Save File");
    EXPECT_EQ(fileBytes(kept), keptBytes);
}

// With no game there is nothing to save: a box says so, no dialog opens, the file stays.
TEST(SaveAndLoad, SaveBeforeAnyGameWritesNothing) {
    GameHarness game;
    const auto path = game.folder() / "good.gd";
    const std::string good = savedBytes(sampleGame(2, GameMode::HumanVsHuman));
    writeFile(path, good);
    game.command(150);
    ASSERT_EQ(game.boxes().size(), 1U);
    EXPECT_EQ(game.boxes().back().text, "保存するゲームがありません");
    EXPECT_EQ(game.boxes().back().caption, "Can not Save File");
    EXPECT_TRUE(platform::headless::fileDialogLog(game.session.window).empty());
    EXPECT_EQ(fileBytes(path), good);
}

TEST(RecordSwitch, AsksAndWritesNothing) {
    GameHarness game;
    game.answerBox(MessageBoxResult::No);
    game.command(152);
    EXPECT_FALSE(game.state().recordEnabled);
    game.answerBox(MessageBoxResult::Yes);
    game.command(152);
    EXPECT_TRUE(game.state().recordEnabled);
    game.answerBox(MessageBoxResult::Yes);
    game.command(152);
    EXPECT_FALSE(game.state().recordEnabled);

    const auto boxes = game.boxes();
    ASSERT_EQ(boxes.size(), 3U);
    EXPECT_EQ(boxes[0].text, "棋譜機能を [ ON ] にしますか？");
    EXPECT_EQ(boxes[0].caption, "棋譜機能 OFF -> ON");
    EXPECT_EQ(boxes[2].text, "棋譜機能を [ OFF ] にしますか？");
    EXPECT_EQ(boxes[2].caption, "棋譜機能 ON -> OFF");
    EXPECT_EQ(boxes[2].style.buttons, platform::MessageBoxButtons::YesNo);
    EXPECT_EQ(boxes[2].style.icon, platform::MessageBoxIcon::Question);
    EXPECT_FALSE(std::filesystem::exists(game.recordPath()));
}

}  // namespace
}  // namespace kalvenor::flows_test
