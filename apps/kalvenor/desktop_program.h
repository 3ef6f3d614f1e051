#pragma once

// The desktop program: one session, its main window and the command door.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "command_door.h"
#include "game/game_keeper.h"
#include "game/session.h"
#include "platform/window_system.h"
#include "qt_translations.h"

namespace kalvenor {

class DesktopProgram {
  public:
    // Opens the main window (showing the start screen) and the command door. Needs a QApplication.
    // With a state folder, the game kept there comes back and every change is kept there.
    explicit DesktopProgram(const std::optional<std::filesystem::path>& stateFolder = std::nullopt);
    ~DesktopProgram();
    DesktopProgram(const DesktopProgram&) = delete;
    DesktopProgram& operator=(const DesktopProgram&) = delete;

    // False when the window system refused the main window.
    bool hasWindow() const { return window_ != nullptr; }
    platform::WindowHandle window() const { return window_; }
    Session& session() { return session_; }
    const CommandDoor& door() const { return *door_; }

    // Loads a saved game as 読込… does, with the same question before a changed game is thrown
    // away and the same refusals; false when it was cancelled or refused.
    bool openSavedGame(const std::string& path);

    // Shows the window and runs until the program quits; the exit code.
    int run();

  private:
    QtTranslations qtTranslations_;
    Session session_;
    platform::WindowHandle window_ = nullptr;
    std::unique_ptr<CommandDoor> door_;
    std::shared_ptr<GameKeeper> keeper_;
};

}  // namespace kalvenor
