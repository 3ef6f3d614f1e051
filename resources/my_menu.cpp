#include "resources/my_menu.h"

namespace kalvenor {

std::vector<platform::MenuItem> myMenu() {
    using platform::menuCommand;
    using platform::menuPopup;
    return {
        menuPopup("メニュー", {menuPopup("対人戦", {menuCommand("２次元", 102), menuCommand("３次元", 104),
                                                    menuCommand("４次元", 106)}),
                               menuCommand("終了", 255)}),
        menuCommand("バージョン情報", 254)};
}

}  // namespace kalvenor
