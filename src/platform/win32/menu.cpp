// The menu bar, built from the menu data that every backend shares.

#include "platform/win32/win32_backend.h"
#include "records/win32/wide_text.h"

namespace kalvenor::platform {
namespace {

void appendItems(HMENU menu, const std::vector<MenuItem>& items) {
    for (const MenuItem& item : items) {
        const std::wstring text = win32::widen(item.text);
        if (!item.items.empty()) {
            const HMENU popup = CreatePopupMenu();
            appendItems(popup, item.items);
            AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), text.c_str());
        } else if (item.commandId == 0 && item.text.empty()) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        } else {
            // A command item, also directly on the bar ("バージョン情報" is one).
            AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(item.commandId), text.c_str());
        }
    }
}

}  // namespace

HMENU buildMenuBar(const std::vector<MenuItem>& items) {
    const HMENU bar = CreateMenu();
    appendItems(bar, items);
    return bar;
}

}  // namespace kalvenor::platform
