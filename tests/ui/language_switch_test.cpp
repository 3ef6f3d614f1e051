// A window switched to another language in the middle of a game shows what a window that spoke
// that language from the start shows, and the way back restores every text.

#include <gtest/gtest.h>

#include <memory>

#include "engine/enclosure.h"
#include "game/game_state.h"
#include "platform/headless/headless.h"
#include "ui/command_routing.h"
#include "ui/main_window.h"

namespace kalvenor {
namespace {

namespace headless = platform::headless;
using platform::MessageBoxResult;

constexpr int kStepOnce = 1;  // VsControls slot of 一手進む

// A window, the game `commandId` starts (none for 0), and two moves in it: the person's and the computer's
// reply, two stones of two people, or two steps of the computers.
struct PlayedWindow {
    explicit PlayedWindow(int commandId, int moves = 2) {
        window = openMainWindow(session);
        headless::queueMessageBoxAnswer(window, MessageBoxResult::Yes);
        headless::sendMenuCommand(window, commandId);
        for (int move = 0; move < moves; ++move) {
            playOneMove();
        }
    }
    ~PlayedWindow() { platform::destroyMainWindow(session.window); }

    void playOneMove() {
        if (!session.board) {
            return;
        }
        if (session.state.mode == GameMode::CpuVsCpu) {
            headless::click(session.view.vsControls.at(kStepOnce));
            return;
        }
        const auto& cells = session.view.cellButtons;
        for (std::size_t slot = 0; slot < cells.size(); ++slot) {
            const auto cell = static_cast<std::int32_t>(session.state.viewOffset + slot);
            const bool free = session.state.mode == GameMode::HumanVsHuman
                                  ? (*session.board)[cell] == CellState::Empty
                                  : isLegalMove(*session.board, cell, session.state.sideToMove);
            if (cells[slot] != nullptr && free) {
                headless::click(cells[slot]);
                return;
            }
        }
    }

    // Every text of the window but the cells', and the menu bar's texts.
    std::vector<std::string> texts() const {
        std::vector<std::string> shown;
        for (const platform::ControlHandle control : headless::liveControls(window)) {
            if (headless::record(control).kind != platform::ControlKind::CellButton) {
                shown.push_back(headless::record(control).text);
            }
        }
        addMenuTexts(headless::windowDesc(window).menuBar, shown);
        return shown;
    }

    static void addMenuTexts(const std::vector<platform::MenuItem>& items, std::vector<std::string>& shown) {
        for (const platform::MenuItem& item : items) {
            shown.push_back(item.text);
            addMenuTexts(item.items, shown);
        }
    }

    Session session;
    platform::WindowHandle window = nullptr;
};

std::vector<std::string> textsIn(Language language, int commandId, int moves = 2) {
    setDisplayLanguage(language);
    const PlayedWindow fresh(commandId, moves);
    setDisplayLanguage(Language::Japanese);
    return fresh.texts();
}

class LanguageSwitch : public ::testing::TestWithParam<int> {};

TEST_P(LanguageSwitch, ChangesEveryTextAsIfTheGameHadBeenPlayedInTheNewLanguage) {
    const int commandId = GetParam();
    const auto english = textsIn(Language::English, commandId);
    const auto japanese = textsIn(Language::Japanese, commandId);
    ASSERT_NE(english, japanese);

    PlayedWindow switched(commandId);
    EXPECT_EQ(switched.texts(), japanese);
    headless::sendMenuCommand(switched.window, command_id::English);
    EXPECT_EQ(switched.texts(), english);
    EXPECT_EQ(switched.session.languageChoice, LanguageChoice::English);
    headless::sendMenuCommand(switched.window, command_id::Japanese);
    EXPECT_EQ(switched.texts(), japanese);
    EXPECT_EQ(displayLanguage(), Language::Japanese);
}

// The start screen (0 starts no game), and every game of the menu: two people 102..114, against
// the computer 101..113, computers 120..126.
INSTANTIATE_TEST_SUITE_P(EveryGame, LanguageSwitch,
                         ::testing::Values(0, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112, 113,
                                           114, 120, 121, 122, 123, 124, 125, 126));

// 待った and やり直し bring back labels kept while the window spoke the other language.
TEST(LanguageSwitch, TakeBackAndRedoSpeakTheNewLanguage) {
    constexpr int kTwoPeopleTwoAxes = 102;
    const auto englishAfterOne = textsIn(Language::English, kTwoPeopleTwoAxes, 1);
    const auto englishAfterTwo = textsIn(Language::English, kTwoPeopleTwoAxes, 2);
    PlayedWindow switched(kTwoPeopleTwoAxes);
    headless::sendMenuCommand(switched.window, command_id::English);
    headless::sendMenuCommand(switched.window, command_id::TakeBack);
    EXPECT_EQ(switched.texts(), englishAfterOne);
    headless::sendMenuCommand(switched.window, command_id::Redo);
    EXPECT_EQ(switched.texts(), englishAfterTwo);
    headless::sendMenuCommand(switched.window, command_id::Japanese);
}

}  // namespace
}  // namespace kalvenor
