// Kalvenor on Windows: the main window on the Win32 backend, and its message loop. Commands from
// outside (kalvenor-command.exe) arrive as the window's own command messages.

#include <cstdio>

#include "game/game_keeper.h"
#include "game/session.h"
#include "platform/win32/win32_access.h"
#include "platform/window_system.h"
#include "remembered_choices.h"
#include "state_folder.h"
#include "ui/main_window.h"
#include "win32_settings.h"

int main() {
    namespace settings = kalvenor::win32_settings;
    kalvenor::Session session;
    kalvenor::rememberChoices(session);
    const kalvenor::platform::WindowHandle window = kalvenor::openMainWindow(session);
    if (window == nullptr) {
        return 0;  // the class or the window was refused: nothing to show
    }
    if (const auto place = settings::storedWindowPlace()) {
        kalvenor::platform::restoreWindowPlace(window, *place);
    }
    if (settings::storedWindowMaximised()) {
        kalvenor::platform::showMaximisedAtStart(window);
    }
    std::shared_ptr<kalvenor::GameKeeper> keeper;
    if (const auto folder = kalvenor::desktopStateFolder()) {
        keeper = kalvenor::keepGameIn(session, *folder, [](const std::string& line) {
            std::fprintf(stderr, "kalvenor: %s\n", line.c_str());
        });
    }
    const int exitCode = kalvenor::platform::runEventLoop(window);
    if (const auto place = kalvenor::platform::normalWindowPlace(window)) {
        settings::storeWindowPlace(*place);
    }
    settings::storeWindowMaximised(kalvenor::platform::windowMaximised(window));
    kalvenor::platform::destroyMainWindow(window);
    return exitCode;
}
