// Seeded random games of every mode on two to four axes, played to their end through the window,
// with the record on and the invariants checked after every click.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#include "engine/enclosure.h"
#include "game/opening_game.h"
#include "game_harness.h"
#include "platform/headless/headless.h"
#include "records/texts.h"
#include "view/board_view.h"

namespace kalvenor::flows_test {
namespace {

class Soak {
  public:
    explicit Soak(GameHarness& game) : game_(game) {}

    // After every event: the counts on screen are the board's, every cell button shows its cell's
    // stone, the record never loses a byte, and stones are only ever added.
    void check() {
        const Board& board = game_.board();
        const GameState& state = game_.state();
        ASSERT_EQ(game_.label(info_slot::FirstCount), stoneCountText(board, CellState::First));
        ASSERT_EQ(game_.label(info_slot::SecondCount), stoneCountText(board, CellState::Second));
        const auto& buttons = game_.session.view.cellButtons;
        for (std::size_t slot = 0; slot < buttons.size(); ++slot) {
            const CellState cell = board[state.viewOffset + static_cast<std::int32_t>(slot)];
            const std::string& text = platform::headless::record(buttons[slot]).text;
            ASSERT_EQ(text == "■", cell == CellState::First) << "slot " << slot;
            ASSERT_EQ(text == "□", cell == CellState::Second) << "slot " << slot;
        }
        checkRecordOnlyGrew();
        const std::int32_t stones = board.count(CellState::First) + board.count(CellState::Second);
        ASSERT_GE(stones, stones_);
        stones_ = stones;
        if (state.inProgress && state.mode == GameMode::HumanVsCpu) {
            ASSERT_EQ(state.sideToMove, state.humanSide);
        }
    }

    // A new game: the stones start again, and the texts of the last one are forgotten.
    void newGame() {
        stones_ = 0;
        platform::headless::clearTextHistories(game_.session.window);
    }

  private:
    // The record is longer than before or as long, and the bytes that ended it are still there.
    // (Reading the whole file after every click would make the test quadratic.)
    void checkRecordOnlyGrew() {
        std::error_code error;
        const auto size = std::filesystem::file_size(game_.recordPath(), error);
        if (error) {
            ASSERT_TRUE(recordTail_.empty()) << "the record disappeared";
            return;
        }
        ASSERT_GE(size, recordSize_);
        std::ifstream in(game_.recordPath(), std::ios::binary);
        in.seekg(static_cast<std::streamoff>(recordSize_ - recordTail_.size()));
        std::string oldTail(recordTail_.size(), '\0');
        in.read(oldTail.data(), static_cast<std::streamsize>(oldTail.size()));
        ASSERT_EQ(oldTail, recordTail_);

        const std::size_t tailSize = std::min<std::uintmax_t>(size, 64);
        recordTail_.assign(tailSize, '\0');
        in.clear();
        in.seekg(static_cast<std::streamoff>(size - tailSize));
        in.read(recordTail_.data(), static_cast<std::streamsize>(tailSize));
        recordSize_ = size;
    }

    GameHarness& game_;
    std::uintmax_t recordSize_ = 0;
    std::string recordTail_;
    std::int32_t stones_ = 0;
};

// The standard opening with a few more stones of either side at random places.
SavedGame randomOpening(int dimension, GameMode mode, std::mt19937& random) {
    SavedGame game =
        standardOpeningGame(dimension, mode, random() % 2 == 0 ? CellState::First : CellState::Second);
    std::uniform_int_distribution<std::int32_t> cells(0, game.header.viewCellCount - 1);
    const int extra = static_cast<int>(random() % static_cast<unsigned>(3 * dimension));
    for (int i = 0; i < extra; ++i) {
        game.board[static_cast<std::size_t>(game.header.viewOffset + cells(random))] =
            static_cast<std::uint8_t>(1 + random() % 2);
    }
    game.header.sideToMove = 1 + static_cast<std::int32_t>(random() % 2);
    return game;
}

std::vector<std::int32_t> clickableCells(const GameHarness& game, bool legalOnly) {
    std::vector<std::int32_t> cells;
    const GameState& state = game.state();
    for (std::int32_t slot = 0; slot < state.viewCellCount; ++slot) {
        const std::int32_t cell = state.viewOffset + slot;
        if (game.board()[cell] == CellState::Empty &&
            (!legalOnly || isLegalMove(game.board(), cell, state.sideToMove))) {
            cells.push_back(cell);
        }
    }
    return cells;
}

void playClicks(GameHarness& game, Soak& soak, std::mt19937& random, bool legalOnly) {
    while (game.state().inProgress) {
        const auto cells = clickableCells(game, legalOnly);
        if (cells.empty()) {
            return;
        }
        game.clickCell(cells[random() % cells.size()]);
        soak.check();
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
    }
}

int gamesFor(int dimension) {
    return dimension == 2 ? 200 : dimension == 3 ? 40 : 8;
}

TEST(Soak, TwoPersonGames) {
    std::mt19937 random(20261208);
    for (int dimension = 2; dimension <= 4; ++dimension) {
        GameHarness game;
        game.switchRecordOn();
        Soak soak(game);
        for (int round = 0; round < gamesFor(dimension); ++round) {
            game.command(100 + 2 * (dimension - 1));  // 102, 104, 106
            soak.newGame();
            soak.check();
            playClicks(game, soak, random, false);
            ASSERT_FALSE(HasFatalFailure()) << "D " << dimension << " game " << round;
            EXPECT_TRUE(!game.state().inProgress || clickableCells(game, false).empty());
        }
    }
}

TEST(Soak, GamesAgainstTheComputer) {
    std::mt19937 random(8121);
    for (int dimension = 2; dimension <= 4; ++dimension) {
        GameHarness game;
        game.switchRecordOn();
        Soak soak(game);
        for (int round = 0; round < gamesFor(dimension); ++round) {
            game.load(randomOpening(dimension, GameMode::HumanVsCpu, random));
            soak.newGame();
            soak.check();
            playClicks(game, soak, random, true);
            ASSERT_FALSE(HasFatalFailure()) << "D " << dimension << " game " << round;
        }
    }
}

TEST(Soak, GamesBetweenComputers) {
    std::mt19937 random(3);
    for (int dimension = 2; dimension <= 4; ++dimension) {
        GameHarness game;
        game.switchRecordOn();
        Soak soak(game);
        for (int round = 0; round < gamesFor(dimension); ++round) {
            game.load(randomOpening(dimension, GameMode::CpuVsCpu, random));
            soak.newGame();
            soak.check();
            // Single and ten steps at random, then to the end; a restart now and then.
            for (int clicks = 0; clicks < 20 && game.state().inProgress; ++clicks) {
                game.clickStep(1 + static_cast<int>(random() % 2));
                soak.check();
            }
            game.clickStep(3);
            soak.check();
            ASSERT_FALSE(HasFatalFailure()) << "D " << dimension << " game " << round;
            if (round % 5 == 0) {
                game.clickStep(4);
                soak.newGame();
                soak.check();
                EXPECT_TRUE(game.state().inProgress);
            }
        }
    }
}

}  // namespace
}  // namespace kalvenor::flows_test
