#include "ui/game_menu.h"

#include "game/new_game.h"
#include "records/texts.h"
#include "resources/my_menu.h"
#include "ui/command_routing.h"

namespace kalvenor {

namespace {

using platform::MenuItem;

// "２次元" … "８次元", each starting a game of `mode`.
MenuItem gamesOf(GameMode mode) {
    std::vector<MenuItem> games;
    for (int dimension = 2; dimension <= 8; ++dimension) {
        games.push_back(platform::menuCommand(dimensionText(dimension), gameStartCommand({dimension, mode})));
    }
    return platform::menuPopup(std::string(modeName(mode)), std::move(games));
}

// The computer's level against a person, the current one checked.
MenuItem levelItem(const Session& session, std::string text, int commandId, CpuLevel level) {
    MenuItem item = platform::menuCommand(std::move(text), commandId);
    item.isChecked = [&session, level] { return session.cpuLevel == level; };
    item.exclusive = true;
    return item;
}

}  // namespace

MenuItem gameMenu(const Session& session) {
    using platform::menuCommand;
    MenuItem record = menuCommand("棋譜機能", command_id::Record);
    record.isChecked = [&session] { return session.state.recordEnabled; };
    return platform::menuPopup(
        "ゲーム",
        {gamesOf(GameMode::HumanVsHuman), gamesOf(GameMode::HumanVsCpu), gamesOf(GameMode::CpuVsCpu),
         platform::menuSeparator(), levelItem(session, "標準", command_id::StandardLevel, CpuLevel::Standard),
         levelItem(session, "強い", command_id::StrongLevel, CpuLevel::Strong),
         menuCommand("ヒント", command_id::Hint, "H"), menuCommand("待った", command_id::TakeBack, "Ctrl+Z"),
         platform::menuSeparator(), menuCommand("保存…", command_id::Save, "Ctrl+S"),
         menuCommand("読込…", command_id::Load, "Ctrl+O"), std::move(record), platform::menuSeparator(),
         menuCommand("終了", command_id::Quit, "Ctrl+Q")});
}

std::vector<MenuItem> menuBar(const Session& session) {
    std::vector<MenuItem> bar = myMenu();
    bar.insert(bar.begin() + 1, gameMenu(session));
    return bar;
}

}  // namespace kalvenor
