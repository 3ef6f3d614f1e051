// The Win32 backend in this process: the menu built from the shared data, and the button state
// that only the button being clicked reports.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/window_system.h"

namespace kalvenor::platform {
namespace {

// What the window procedure saw: each command with the state of the test's button at that moment.
struct Seen {
    ControlHandle button = nullptr;
    std::vector<std::pair<int, int>> commands;  // command id (0 for a control), button state
};

std::intptr_t recordingProc(WindowHandle window, unsigned message, WParam first, LParam) {
    auto* seen = static_cast<Seen*>(windowUserData(window));
    if (message == message::Command && seen != nullptr) {
        seen->commands.emplace_back(lowWord(first), buttonState(seen->button));
    }
    return 0;
}

std::wstring menuText(HMENU menu, int position) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, static_cast<UINT>(position), text, 64, MF_BYPOSITION);
    return text;
}

TEST(Win32Backend, BuildsTheMenuFromTheSharedData) {
    bool recordOn = false;
    MenuItem record = menuCommand("棋譜機能", 152);
    record.isChecked = [&recordOn] { return recordOn; };
    MainWindowDesc desc{"Kalvenor", 1024, 750, {}};
    desc.menuBar = {menuPopup("メニュー", {menuPopup("対人戦", {menuCommand("２次元", 102)}), menuSeparator(),
                                           menuCommand("保存…", 150, "Ctrl+S"), std::move(record),
                                           menuCommand("終了", 255)}),
                    menuCommand("バージョン情報", 254)};
    Seen seen;
    const WindowHandle window = createMainWindow(desc, &recordingProc, &seen);
    ASSERT_NE(window, nullptr);
    const HWND hwnd = FindWindowW(L"MyWin", nullptr);
    const HMENU bar = GetMenu(hwnd);
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    EXPECT_EQ(menuText(bar, 0), L"メニュー");
    EXPECT_EQ(menuText(bar, 1), L"バージョン情報");
    EXPECT_EQ(GetMenuItemID(bar, 1), 254U);  // a command on the bar itself

    const HMENU menu = GetSubMenu(bar, 0);
    ASSERT_EQ(GetMenuItemCount(menu), 5);
    EXPECT_EQ(GetMenuItemID(GetSubMenu(menu, 0), 0), 102U);
    EXPECT_EQ(GetMenuState(menu, 1, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(menuText(menu, 2), L"保存…\tCtrl+S");
    EXPECT_EQ(GetMenuItemID(menu, 4), 255U);

    // The check mark follows the state whenever the menu opens.
    const auto checked = [menu] { return (GetMenuState(menu, 152, MF_BYCOMMAND) & MF_CHECKED) != 0; };
    SendMessageW(hwnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
    EXPECT_FALSE(checked());
    recordOn = true;
    SendMessageW(hwnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
    EXPECT_TRUE(checked());
    destroyMainWindow(window);
}

TEST(Win32Backend, OnlyTheClickedButtonIsPressedWhileItsClickIsDispatched) {
    MainWindowDesc desc{"Kalvenor", 1024, 750, {}};
    Seen seen;
    const WindowHandle window = createMainWindow(desc, &recordingProc, &seen);
    ASSERT_NE(window, nullptr);
    seen.button = createControl(window, ControlKind::PushButton, "■", {0, 0, 25, 25});
    const ControlHandle other = createControl(window, ControlKind::PushButton, "□", {25, 0, 25, 25});
    const ControlHandle label = createControl(window, ControlKind::LeftLabel, " label", {0, 30, 200, 30});
    const HWND hwnd = FindWindowW(L"MyWin", nullptr);
    const HWND buttonWindow = FindWindowExW(hwnd, nullptr, L"Button", L"■");
    const HWND otherWindow = FindWindowExW(hwnd, nullptr, L"Button", L"□");
    const HWND labelWindow = FindWindowExW(hwnd, nullptr, L"Static", L" label");
    ASSERT_NE(buttonWindow, nullptr);
    ASSERT_NE(otherWindow, nullptr);
    ASSERT_NE(labelWindow, nullptr);

    SendMessageW(buttonWindow, BM_CLICK, 0, 0);
    SendMessageW(otherWindow, BM_CLICK, 0, 0);
    // A menu command and a label click after the button has had the focus: no ghost click.
    SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(102, 0), 0);
    SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(0, STN_CLICKED), reinterpret_cast<LPARAM>(labelWindow));
    const std::vector<std::pair<int, int>> expected{{0, BST_PUSHED}, {0, 0}, {102, 0}, {0, 0}};
    EXPECT_EQ(seen.commands, expected);
    EXPECT_EQ(buttonState(seen.button), 0);

    EXPECT_EQ(controlText(label), " label");
    setControlText(label, "棋譜 on");
    wchar_t text[32] = {};
    GetWindowTextW(labelWindow, text, 32);
    EXPECT_EQ(std::wstring(text), L"棋譜 on");
    destroyControl(other);
    EXPECT_FALSE(IsWindow(otherWindow));
    destroyMainWindow(window);
}

}  // namespace
}  // namespace kalvenor::platform
