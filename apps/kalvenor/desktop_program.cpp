#include "desktop_program.h"

#include "level_setting.h"
#include "ui/main_window.h"

namespace kalvenor {

DesktopProgram::DesktopProgram() {
    session_.cpuLevel = storedCpuLevel();
    session_.cpuLevelChanged = &storeCpuLevel;
    window_ = openMainWindow(session_);
    door_ = std::make_unique<CommandDoor>([this](int commandId) {
        // The window may already be going (closed, or quit through command 255).
        if (session_.window != nullptr) {
            sendCommand(session_.window, commandId);
        }
    });
}

DesktopProgram::~DesktopProgram() {
    door_.reset();
    platform::destroyMainWindow(window_);
}

int DesktopProgram::run() {
    return platform::runEventLoop(window_);
}

}  // namespace kalvenor
