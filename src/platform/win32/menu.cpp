// The menu bar, its shortcut keys and check marks, built from the menu data every backend shares.

#include <cctype>
#include <optional>

#include "platform/win32/win32_backend.h"
#include "records/win32/wide_text.h"

namespace kalvenor::platform {
namespace {

// "Ctrl+S", "Ctrl+Shift+F5": the portable form of the menu data, as a virtual-key accelerator.
std::optional<ACCEL> acceleratorFor(std::string_view shortcut, WORD commandId) {
    ACCEL accelerator{FVIRTKEY, 0, commandId};
    while (true) {
        const auto plus = shortcut.find('+');
        if (plus == std::string_view::npos || plus + 1 == shortcut.size()) {
            break;
        }
        const std::string_view modifier = shortcut.substr(0, plus);
        if (modifier == "Ctrl") {
            accelerator.fVirt |= FCONTROL;
        } else if (modifier == "Shift") {
            accelerator.fVirt |= FSHIFT;
        } else if (modifier == "Alt") {
            accelerator.fVirt |= FALT;
        } else {
            return std::nullopt;
        }
        shortcut.remove_prefix(plus + 1);
    }
    if (shortcut.size() == 1 && std::isalnum(static_cast<unsigned char>(shortcut[0]))) {
        accelerator.key = static_cast<WORD>(std::toupper(static_cast<unsigned char>(shortcut[0])));
        return accelerator;
    }
    if (shortcut.size() >= 2 && shortcut[0] == 'F') {
        const int number = std::atoi(std::string(shortcut.substr(1)).c_str());
        if (number >= 1 && number <= 24) {
            accelerator.key = static_cast<WORD>(VK_F1 + number - 1);
            return accelerator;
        }
    }
    return std::nullopt;
}

void appendItems(HMENU menu, const std::vector<MenuItem>& items, MenuExtras& extras) {
    for (const MenuItem& item : items) {
        if (!item.items.empty()) {
            const HMENU popup = CreatePopupMenu();
            appendItems(popup, item.items, extras);
            AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup),
                        win32::widen(item.text).c_str());
            continue;
        }
        if (item.isSeparator()) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        // A command item, also directly on the bar ("バージョン情報" is one).
        std::string text = item.text;
        const auto id = static_cast<UINT>(item.commandId);
        if (!item.shortcut.empty()) {
            if (const auto accelerator = acceleratorFor(item.shortcut, static_cast<WORD>(id))) {
                extras.accelerators.push_back(*accelerator);
                text += "\t" + item.shortcut;
            }
            if (const auto alternate = acceleratorFor(item.alternateShortcut, static_cast<WORD>(id))) {
                extras.accelerators.push_back(*alternate);
            }
        }
        AppendMenuW(menu, MF_STRING, id, win32::widen(text).c_str());
        if (item.isChecked) {
            if (item.exclusive) {
                MENUITEMINFOW info{};
                info.cbSize = sizeof(info);
                info.fMask = MIIM_FTYPE;
                info.fType = MFT_STRING | MFT_RADIOCHECK;
                SetMenuItemInfoW(menu, id, FALSE, &info);
            }
            extras.checkedItems.push_back({menu, id, item.isChecked});
        }
    }
}

}  // namespace

HMENU buildMenuBar(const std::vector<MenuItem>& items, MenuExtras& extras) {
    const HMENU bar = CreateMenu();
    appendItems(bar, items, extras);
    return bar;
}

void updateCheckMarks(const Window& window, HMENU menu) {
    for (const CheckedMenuItem& item : window.checkedItems) {
        if (item.menu == menu) {
            CheckMenuItem(menu, item.commandId,
                          MF_BYCOMMAND | (item.isChecked() ? MF_CHECKED : MF_UNCHECKED));
        }
    }
}

}  // namespace kalvenor::platform
