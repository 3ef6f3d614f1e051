// Texts a screen reader says without the keyboard focus moving. The window keeps a static control
// of no size, never a tab stop, annotated as a polite live region of UI Automation: a new text
// becomes its window text and the region is told changed, and Narrator or NVDA say it once they
// have finished what they are saying.

#include <windows.h>

#include "platform/win32/win32_access.h"
#include "platform/win32/win32_backend.h"
#include "records/win32/wide_text.h"

namespace kalvenor::platform {
namespace {

HWND announcementOf(Window& window) {
    if (window.announcement == nullptr) {
        window.announcement =
            CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0,
                            window.hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(announcementControlId)),
                            GetModuleHandleW(nullptr), nullptr);
        if (window.announcement != nullptr) {
            markLiveRegion(window.announcement);
        }
    }
    return window.announcement;
}

}  // namespace

void announce(WindowHandle window, std::string_view text) {
    if (window == nullptr || window->hwnd == nullptr || text.empty()) {
        return;
    }
    if (const HWND region = announcementOf(*window)) {
        SetWindowTextW(region, win32::widen(text).c_str());
        NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, region, OBJID_CLIENT, CHILDID_SELF);
    }
}

}  // namespace kalvenor::platform
