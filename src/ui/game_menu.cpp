#include "ui/game_menu.h"

#include <functional>

#include "catalog/localized.h"
#include "game/new_game.h"
#include "records/texts.h"
#include "ui/classic_menu.h"
#include "ui/command_routing.h"

namespace kalvenor {

namespace {

using platform::MenuItem;

// "２次元" … "８次元", each starting a game of `mode`.
MenuItem gamesOf(GameMode mode) {
    std::vector<MenuItem> games;
    for (int dimension = 2; dimension <= 8; ++dimension) {
        games.push_back(platform::menuCommand(std::string(dimensionText(dimension, displayLanguage())),
                                              gameStartCommand({dimension, mode})));
    }
    return platform::menuPopup(std::string(modeName(mode, displayLanguage())), std::move(games));
}

// The computer's level against a person, the current one checked.
MenuItem levelItem(const Session& session, std::string_view text, int commandId, CpuLevel level) {
    MenuItem item = platform::menuCommand(std::string(localized(text)), commandId);
    item.isChecked = [&session, level] { return session.cpuLevel == level; };
    item.exclusive = true;
    return item;
}

// One language of 表示 › 言語, checked while it is the one chosen.
MenuItem languageItem(const Session& session, std::string text, int commandId, LanguageChoice choice) {
    MenuItem item = platform::menuCommand(std::move(text), commandId);
    item.isChecked = [&session, choice] { return session.languageChoice == choice; };
    item.exclusive = true;
    return item;
}

// やり直し answers Ctrl+Y too, as many programs have it.
MenuItem redoItem() {
    MenuItem item =
        platform::menuCommand(std::string(localized("やり直し")), command_id::Redo, "Ctrl+Shift+Z");
    item.alternateShortcut = "Ctrl+Y";
    return item;
}

// An item with a check mark that reads `isOn`.
MenuItem switchItem(std::string_view text, int commandId, std::function<bool()> isOn) {
    MenuItem item = platform::menuCommand(std::string(localized(text)), commandId);
    item.isChecked = std::move(isOn);
    return item;
}

}  // namespace

MenuItem viewMenu(const Session& session) {
    MenuItem largeBoard = platform::menuCommand(std::string(localized("大きい盤")), command_id::LargeBoard);
    largeBoard.isChecked = [&session] { return session.boardLayout == BoardLayout::Large; };
    // A language is named in its own script, so that a reader of it finds the way back.
    return platform::menuPopup(
        std::string(localized("表示")),
        {std::move(largeBoard),
         switchItem(catalogText("警告表示"), command_id::ThreatMarks,
                    [&session] { return session.options.threatMarks; }),
         switchItem(catalogText("手を追う"), command_id::FollowPlay,
                    [&session] { return session.options.followPlay; }),
         platform::menuSeparator(),
         platform::menuPopup(std::string(localized("言語")),
                             {languageItem(session, "日本語", command_id::Japanese, LanguageChoice::Japanese),
                              languageItem(session, "English", command_id::English, LanguageChoice::English),
                              languageItem(session, std::string(localized("システムに従う")),
                                           command_id::SystemLanguage, LanguageChoice::System)})});
}

MenuItem gameMenu(const Session& session) {
    using platform::menuCommand;
    MenuItem newGame = menuCommand(std::string(localized("新しいゲーム")), command_id::NewGame, "Ctrl+N");
    newGame.alternateShortcut = "F2";
    return platform::menuPopup(
        std::string(localized("ゲーム")),
        {std::move(newGame), platform::menuSeparator(), gamesOf(GameMode::HumanVsHuman),
         gamesOf(GameMode::HumanVsCpu), gamesOf(GameMode::CpuVsCpu), platform::menuSeparator(),
         levelItem(session, catalogText("初級"), command_id::StandardLevel, CpuLevel::Standard),
         levelItem(session, catalogText("中級"), command_id::MediumLevel, CpuLevel::Medium),
         levelItem(session, catalogText("上級"), command_id::StrongLevel, CpuLevel::Strong),
         menuCommand(std::string(localized("ヒント")), command_id::Hint, "H"),
         menuCommand(std::string(localized("待った")), command_id::TakeBack, "Ctrl+Z"), redoItem(),
         platform::menuSeparator(), menuCommand(std::string(localized("保存…")), command_id::Save, "Ctrl+S"),
         menuCommand(std::string(localized("読込…")), command_id::Load, "Ctrl+O"),
         switchItem(catalogText("棋譜機能"), command_id::Record,
                    [&session] { return session.state.recordEnabled; }),
         platform::menuSeparator(), menuCommand(std::string(localized("終了")), command_id::Quit, "Ctrl+Q")});
}

MenuItem helpMenu() {
    return platform::menuPopup(
        std::string(localized("ヘルプ")),
        {platform::menuCommand(std::string(localized("遊び方")), command_id::Rules, "F1")});
}

std::vector<MenuItem> menuBar(const Session& session) {
    std::vector<MenuItem> bar = classicMenu();
    bar.insert(bar.begin() + 1, {gameMenu(session), viewMenu(session), helpMenu()});
    return bar;
}

}  // namespace kalvenor
