#pragma once

#include <filesystem>
#include <optional>

namespace kalvenor {

// Where the desktop program keeps the current game: $XDG_STATE_HOME/kalvenor, by default
// ~/.local/state/kalvenor; %LOCALAPPDATA%\Kalvenor on Windows. Nothing when neither the variable
// nor a home folder is known.
std::optional<std::filesystem::path> desktopStateFolder();

}  // namespace kalvenor
