#include "resources/my_menu.h"

namespace kalvenor {

std::vector<platform::MenuItem> myMenu() {
    using platform::MenuItem;
    MenuItem twoPeople{"対人戦", 0, {{"２次元", 102, {}}, {"３次元", 104, {}}, {"４次元", 106, {}}}};
    MenuItem menu{"メニュー", 0, {std::move(twoPeople), {"終了", 255, {}}}};
    return {std::move(menu), {"バージョン情報", 254, {}}};
}

}  // namespace kalvenor
