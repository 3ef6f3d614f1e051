#include "ui/classic_menu.h"

#include <string>

#include "catalog/localized.h"
#include "game/new_game.h"
#include "ui/command_routing.h"

namespace kalvenor {

namespace {

platform::MenuItem twoPersonGame(std::string_view text, int dimension) {
    return platform::menuCommand(std::string(text), gameStartCommand({dimension, GameMode::HumanVsHuman}));
}

}  // namespace

std::vector<platform::MenuItem> classicMenu() {
    using platform::menuCommand;
    using platform::menuPopup;
    return {menuPopup(std::string(localized("メニュー")),
                      {menuPopup(std::string(localized("対人戦")), {twoPersonGame(localized("２次元"), 2),
                                                                    twoPersonGame(localized("３次元"), 3),
                                                                    twoPersonGame(localized("４次元"), 4)}),
                       menuCommand(std::string(localized("終了")), command_id::Quit)}),
            menuCommand(std::string(localized("バージョン情報")), command_id::About)};
}

}  // namespace kalvenor
