#include "ui/classic_menu.h"

#include <string>

#include "catalog/localized.h"
#include "game/new_game.h"
#include "ui/command_routing.h"

namespace kalvenor {

namespace {

std::string text(const char* source) { return std::string(localized(source)); }

platform::MenuItem twoPersonGame(const char* source, int dimension) {
    return platform::menuCommand(text(source), gameStartCommand({dimension, GameMode::HumanVsHuman}));
}

}  // namespace

std::vector<platform::MenuItem> classicMenu() {
    using platform::menuCommand;
    using platform::menuPopup;
    return {menuPopup(text("メニュー"), {menuPopup(text("対人戦"), {twoPersonGame("２次元", 2), twoPersonGame("３次元", 3),
                                                                   twoPersonGame("４次元", 4)}),
                                         menuCommand(text("終了"), command_id::Quit)}),
            menuCommand(text("バージョン情報"), command_id::About)};
}

}  // namespace kalvenor
