#pragma once

// The desktop program's remembered settings, one file per user
// (`$XDG_CONFIG_HOME/kalvenor/kalvenor.conf`, by default under ~/.config). Keys name a group and a
// setting ("computer/level"); values are strings. A file that cannot be read or written is said
// once on standard error, and the program goes on with the defaults.

#include <string>
#include <string_view>

namespace kalvenor {

// The stored value, or `fallback` when none is stored.
std::string desktopSetting(std::string_view key, std::string_view fallback);
// Remembers the value for later runs.
void storeDesktopSetting(std::string_view key, std::string_view value);

}  // namespace kalvenor
