#include "state_folder.h"

#include <cstdlib>

namespace kalvenor {

std::optional<std::filesystem::path> desktopStateFolder() {
#ifdef _WIN32
    if (const wchar_t* local = _wgetenv(L"LOCALAPPDATA"); local != nullptr && *local != L'\0') {
        return std::filesystem::path(local) / L"Kalvenor";
    }
    return std::nullopt;
#else
    // XDG_STATE_HOME counts only as an absolute path; a relative one is ignored, as the XDG rules ask.
    if (const char* state = std::getenv("XDG_STATE_HOME"); state != nullptr && *state == '/') {
        return std::filesystem::path(state) / "kalvenor";
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && *home == '/') {
        return std::filesystem::path(home) / ".local" / "state" / "kalvenor";
    }
    return std::nullopt;
#endif
}

}  // namespace kalvenor
