#include "game_harness.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <sstream>

#include "game/new_game.h"
#include "platform/headless/headless.h"
#include "records/record_file.h"
#include "ui/main_window.h"
#include "view/board_view.h"

namespace kalvenor::flows_test {

namespace headless = platform::headless;

namespace {

// Removes the folder and everything in it, also files a test made read-only (which Windows will
// not delete).
void removeFolder(const std::filesystem::path& folder) {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, ignored)) {
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add, ignored);
    }
    std::filesystem::remove_all(folder, ignored);
}

std::filesystem::path freshFolder() {
    static std::atomic<int> counter{0};
    const auto folder = std::filesystem::temp_directory_path() /
                        ("kalvenor-flows-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    removeFolder(folder);  // left by an earlier run whose process had the same id
    std::filesystem::create_directories(folder);
    return folder;
}

}  // namespace

GameHarness::GameHarness() : folder_(freshFolder()) {
    session.record = GameRecordFile(recordPath());
    if (openMainWindow(session) == nullptr) {
        ADD_FAILURE() << "the headless backend refused the main window";
    }
}

GameHarness::~GameHarness() {
    if (session.window != nullptr) {
        platform::destroyMainWindow(session.window);
    }
    removeFolder(folder_);
}

void GameHarness::command(int commandId) {
    headless::sendMenuCommand(session.window, commandId);
}

void GameHarness::clickCell(std::int32_t cell) {
    const std::int32_t slot = cell - session.state.viewOffset;
    ASSERT_GE(slot, 0) << "cell " << cell << " is not on screen";
    ASSERT_LT(static_cast<std::size_t>(slot), session.view.cellButtons.size())
        << "cell " << cell << " is not on screen";
    headless::click(session.view.cellButtons[static_cast<std::size_t>(slot)]);
}

void GameHarness::clickControl(platform::ControlHandle control) {
    headless::click(control);
}

void GameHarness::clickStep(int slot) {
    headless::click(session.view.vsControls.at(static_cast<std::size_t>(slot)));
}

void GameHarness::answerBox(platform::MessageBoxResult answer) {
    headless::queueMessageBoxAnswer(session.window, answer);
}

void GameHarness::answerFileDialog(std::optional<std::string> path) {
    headless::queueFileDialogAnswer(session.window, std::move(path));
}

std::vector<ShownBox> GameHarness::boxes() const {
    std::vector<ShownBox> shown;
    for (const auto& box : headless::messageBoxLog(session.window)) {
        shown.push_back({box.text, box.caption, box.style});
    }
    return shown;
}

std::string GameHarness::label(int slot) const {
    const auto& labels = session.view.infoLabels;
    if (static_cast<std::size_t>(slot) >= labels.size() ||
        labels[static_cast<std::size_t>(slot)] == nullptr) {
        ADD_FAILURE() << "no label in slot " << slot;
        return {};
    }
    return platform::controlText(labels[static_cast<std::size_t>(slot)]);
}

std::vector<std::string> GameHarness::labelHistory(int slot) const {
    const auto& labels = session.view.infoLabels;
    if (static_cast<std::size_t>(slot) >= labels.size() ||
        labels[static_cast<std::size_t>(slot)] == nullptr) {
        ADD_FAILURE() << "no label in slot " << slot;
        return {};
    }
    const auto& history = headless::record(labels[static_cast<std::size_t>(slot)]).textHistory;
    return {history.begin(), history.end()};
}

void GameHarness::switchRecordOn() {
    if (!session.state.recordEnabled) {
        answerBox(platform::MessageBoxResult::Yes);
        command(152);
    }
}

std::string GameHarness::recordBytes() const {
    return fileBytes(recordPath());
}

void GameHarness::load(const SavedGame& game, const std::string& name) {
    const auto path = folder_ / name;
    const FileResult written = writeSavedGame(path, game.header, game.board);
    ASSERT_TRUE(written.ok()) << written.error().message();
    answerFileDialog(path.string());
    command(151);
}

std::filesystem::path GameHarness::save(const std::string& name) {
    const auto path = folder_ / name;
    answerFileDialog(path.string());
    command(150);
    return path;
}

SavedGame savedGame(int dimension, GameMode mode, CellState humanSide, std::vector<std::uint8_t> cells) {
    const BoardSizes sizes = boardSizes(dimension);
    SavedGame game;
    game.header = {dimension,
                   sizes.cellCount,
                   sizes.viewCellCount,
                   sizes.viewOffset,
                   0,
                   1,
                   1,
                   sizes.stoneCount,
                   1,
                   1,
                   static_cast<std::int32_t>(humanSide),
                   static_cast<std::int32_t>(mode)};
    game.board = cells.empty() ? std::vector<std::uint8_t>(static_cast<std::size_t>(sizes.cellCount))
                               : std::move(cells);
    return game;
}

std::string fileBytes(const std::filesystem::path& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error) {
        return {};
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    std::ifstream(path, std::ios::binary).read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

}  // namespace kalvenor::flows_test
