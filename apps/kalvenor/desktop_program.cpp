#include "desktop_program.h"

#include <cstdio>

#include "game/discard_question.h"
#include "game/save_load.h"
#include "level_setting.h"
#include "platform/qt/qt_access.h"
#include "qt_translations.h"
#include "remembered_choices.h"
#include "ui/main_window.h"
#include "window_geometry.h"

namespace kalvenor {

DesktopProgram::DesktopProgram(const std::optional<std::filesystem::path>& stateFolder) {
    rememberChoices(session_);
    qtTranslations_.follow(displayLanguage());
    session_.languageChoiceChanged = [this](LanguageChoice choice) {
        storeLanguageChoice(choice);
        qtTranslations_.follow(languageOf(choice));
    };
    window_ = openMainWindow(session_);
    if (window_ != nullptr) {
        // A place on a screen that is no longer there is refused, and the window opens as new.
        platform::mainWindowWidget(window_)->restoreGeometry(storedWindowGeometry());
    }
    if (window_ != nullptr && stateFolder) {
        keeper_ = keepGameIn(session_, *stateFolder, [](const std::string& line) {
            std::fprintf(stderr, "kalvenor: %s\n", line.c_str());
        });
    }
    door_ = std::make_unique<CommandDoor>([this](int commandId) {
        // The window may already be going (closed, or quit through command 255).
        if (session_.window != nullptr) {
            sendCommand(session_.window, commandId);
        }
    });
}

DesktopProgram::~DesktopProgram() {
    door_.reset();
    if (window_ != nullptr) {
        storeWindowGeometry(platform::mainWindowWidget(window_)->saveGeometry());
    }
    platform::destroyMainWindow(window_);
}

bool DesktopProgram::openSavedGame(const std::string& path) {
    return mayDiscardGame(session_) && loadGameFile(session_, path);
}

int DesktopProgram::run() {
    return platform::runEventLoop(window_);
}

}  // namespace kalvenor
