#include "game/commands.h"
#include "platform/window_system.h"

namespace kalvenor {

void toggleRecord(Session& session) {
    const bool on = session.state.recordEnabled;
    const auto answer = platform::messageBox(
        session.window, on ? "棋譜機能を [ OFF ] にしますか？" : "棋譜機能を [ ON ] にしますか？",
        on ? "棋譜機能 ON -> OFF" : "棋譜機能 OFF -> ON",
        {platform::MessageBoxButtons::YesNo, platform::MessageBoxIcon::Question, false});
    if (answer == platform::MessageBoxResult::Yes) {
        session.state.recordEnabled = !on;
    }
}

}  // namespace kalvenor
