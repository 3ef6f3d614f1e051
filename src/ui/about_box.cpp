#include "ui/about_box.h"

#include "catalog/localized.h"
#include "game/move_announcement.h"

namespace kalvenor {

std::string_view aboutText() {
    return localized(
        "作者 : ターンウェル (Tarnwell)\n"
        "mail : (none)\n"
        "web site 1 : (none)\n"
        "web site 2 : (none)\n"
        "作者紹介ページ : (none)");
}

void showAboutBox(Session& session) {
    showGameBox(session, aboutText(), kWindowTitle,
                {platform::MessageBoxButtons::Ok, platform::MessageBoxIcon::None, false});
}

}  // namespace kalvenor
