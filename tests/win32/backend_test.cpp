// The Win32 backend in this process: the menu built from the shared data, its controls as system
// windows, and the control rules' suite.

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "platform/control_contract.h"
#include "platform/win32/win32_access.h"
#include "platform/window_system.h"

namespace kalvenor::platform {
namespace {

std::intptr_t quietProc(WindowHandle, unsigned, WParam, LParam) {
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
    const WindowHandle window = createMainWindow(desc, &quietProc, nullptr);
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

// Beyond the control rules (control_contract.cpp): a control is a system window with its text.
TEST(Win32Backend, ControlsAreSystemWindowsWithTheirText) {
    MainWindowDesc desc{"Kalvenor", 1024, 750, {}};
    const WindowHandle window = createMainWindow(desc, &quietProc, nullptr);
    ASSERT_NE(window, nullptr);
    const ControlHandle label = createControl(window, ControlKind::LeftLabel, " label", {0, 30, 200, 30});
    const ControlHandle button = createControl(window, ControlKind::PushButton, "□", {25, 0, 25, 25});
    const HWND labelWindow = FindWindowExW(systemWindow(window), nullptr, L"Static", L" label");
    const HWND buttonWindow = FindWindowExW(systemWindow(window), nullptr, L"Button", L"□");
    EXPECT_EQ(labelWindow, systemWindow(label));
    EXPECT_EQ(buttonWindow, systemWindow(button));

    setControlText(label, "棋譜 on");
    wchar_t text[32] = {};
    GetWindowTextW(labelWindow, text, 32);
    EXPECT_EQ(std::wstring(text), L"棋譜 on");
    destroyControl(button);
    EXPECT_FALSE(IsWindow(buttonWindow));
    destroyMainWindow(window);
}

// The control rules' suite, with the messages the system sends for a person's clicks.
class Win32Driver : public testing_support::BackendDriver {
  public:
    WindowHandle createWindow(const MainWindowDesc& desc, WindowProc proc, void* userData) override {
        return createMainWindow(desc, proc, userData);
    }
    void click(ControlHandle control) override {
        const HWND hwnd = systemWindow(control);
        if (isButtonWindow(hwnd)) {
            SendMessageW(hwnd, BM_CLICK, 0, 0);
        } else {
            SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(0, STN_CLICKED),
                         reinterpret_cast<LPARAM>(hwnd));
        }
    }
    void chooseMenuCommand(WindowHandle window, std::string_view, int commandId) override {
        SendMessageW(systemWindow(window), WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
    }
    bool canBeSeen(ControlHandle control) override {
        return (GetWindowLongPtrW(systemWindow(control), GWL_STYLE) & WS_VISIBLE) != 0;
    }

  private:
    static bool isButtonWindow(HWND hwnd) {
        wchar_t className[16] = {};
        GetClassNameW(hwnd, className, 16);
        return std::wstring(className) == L"Button";
    }
};

std::unique_ptr<testing_support::BackendDriver> makeWin32Driver() {
    return std::make_unique<Win32Driver>();
}

using testing_support::ControlContract;
INSTANTIATE_TEST_SUITE_P(Win32, ControlContract, ::testing::Values(&makeWin32Driver));

}  // namespace
}  // namespace kalvenor::platform
