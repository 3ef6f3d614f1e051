#include "resources/my_menu.h"

#include "catalog/localized.h"

namespace kalvenor {

std::vector<platform::MenuItem> myMenu() {
    using platform::menuCommand;
    using platform::menuPopup;
    return {menuPopup(std::string(localized("メニュー")),
                      {menuPopup(std::string(localized("対人戦")),
                                 {menuCommand(std::string(localized("２次元")), 102),
                                  menuCommand(std::string(localized("３次元")), 104),
                                  menuCommand(std::string(localized("４次元")), 106)}),
                       menuCommand(std::string(localized("終了")), 255)}),
            menuCommand(std::string(localized("バージョン情報")), 254)};
}

}  // namespace kalvenor
