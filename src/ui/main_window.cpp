#include "ui/main_window.h"

#include "game/game_file.h"
#include "game/keyboard_play.h"
#include "game/move_announcement.h"
#include "game/slice_navigation.h"
#include "ui/about_box.h"
#include "ui/command_routing.h"
#include "ui/game_menu.h"
#include "ui/quit_program.h"
#include "ui/start_screen.h"

namespace kalvenor {

namespace {

constexpr int kWindowWidth = 1024;
constexpr int kWindowHeight = 750;

// After every event: the title follows the game's file, the moves played are said, and the game
// is kept.
void tellEventHandled(Session& session) {
    showWindowTitle(session);
    announceNotedMoves(session);
    if (session.eventHandled) {
        session.eventHandled(session);
    }
}

}  // namespace

platform::MainWindowDesc mainWindowDesc(const Session& session) {
    return {std::string(kWindowTitle), kWindowWidth, kWindowHeight, menuBar(session)};
}

std::intptr_t mainWindowProc(platform::WindowHandle window, unsigned message, platform::WParam first,
                             platform::LParam second) {
    auto* session = static_cast<Session*>(platform::windowUserData(window));
    if (session == nullptr) {
        return 0;
    }
    // Create arrives before createMainWindow has returned the handle.
    session->window = window;
    switch (message) {
        case platform::message::Create:
            createStartScreen(*session);
            break;
        case platform::message::Destroy:
            quitProgram(*session);
            session->window = nullptr;  // the window and its controls are going
            break;
        case platform::message::Command:
            routeCommand(*session, first, platform::toControl(second));
            tellEventHandled(*session);
            break;
        case platform::message::HScroll:
            onAxisScroll(*session, platform::lowWord(first), platform::toControl(second));
            tellEventHandled(*session);
            break;
        case platform::message::KeyDown:
            onBoardKey(*session, static_cast<int>(first), platform::toControl(second));
            tellEventHandled(*session);  // a key may have moved the view to another slice
            break;
        case platform::message::Size:  // the window system scales the layout itself
        default:
            break;
    }
    return 0;
}

platform::WindowHandle openMainWindow(Session& session) {
    session.window = platform::createMainWindow(mainWindowDesc(session), &mainWindowProc, &session);
    return session.window;
}

void sendCommand(platform::WindowHandle window, int commandId) {
    mainWindowProc(window, platform::message::Command,
                   platform::makeWParam(static_cast<std::uint16_t>(commandId), 0), 0);
}

}  // namespace kalvenor
