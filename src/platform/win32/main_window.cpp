// The main window: its class MyWin, creation, the window procedure, the message loop.

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <algorithm>
#include <cmath>

#include "platform/win32/win32_access.h"
#include "platform/win32/win32_backend.h"
#include "records/win32/wide_text.h"

namespace kalvenor::platform {
namespace {

constexpr wchar_t kClassName[] = L"MyWin";

// The classic window's outer size (caption and menu bar included) at `scale`.
SIZE windowSizeAt(Size classic, double scale) {
    return {static_cast<LONG>(std::lround(classic.width * scale)),
            static_cast<LONG>(std::lround(classic.height * scale))};
}

// The screen's density over the 96 dots per inch the classic layout was drawn for.
double dotsPerInchScale(HWND hwnd) {
    const HDC screen = GetDC(hwnd);
    const int dotsPerInch = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen != nullptr) {
        ReleaseDC(hwnd, screen);
    }
    return dotsPerInch > 0 ? dotsPerInch / 96.0 : 1.0;
}

// The window opens at the classic size on the screen's scale, or smaller in the same proportions
// where the free area of the screen is smaller (never below the smallest size).
SIZE openingWindowSize(Size classic) {
    RECT free{0, 0, classic.width, classic.height};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &free, 0);
    const double scale = dotsPerInchScale(nullptr);
    const SIZE scaled = windowSizeAt(classic, scale);
    const double share = std::clamp(std::min(static_cast<double>(free.right - free.left) / scaled.cx,
                                             static_cast<double>(free.bottom - free.top) / scaled.cy),
                                    smallestWindowShare, 1.0);
    return windowSizeAt(classic, scale * share);
}

Window* windowOf(HWND hwnd) {
    return reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK mainWindowProc(HWND hwnd, UINT message, WPARAM first, LPARAM second) {
    if (message == WM_NCCREATE) {
        // The Window travels in the creation data, so that WM_CREATE already finds it.
        auto* window = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(second)->lpCreateParams);
        window->hwnd = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
        return DefWindowProcW(hwnd, message, first, second);
    }
    Window* window = windowOf(hwnd);
    if (window == nullptr) {
        return DefWindowProcW(hwnd, message, first, second);
    }
    switch (message) {
        case WM_CREATE:
            window->send(message::Create, 0, 0);
            return 0;
        case WM_DESTROY:
            window->placeAtClose = normalWindowPlace(window);
            window->maximisedAtClose = IsZoomed(hwnd) != FALSE;
            window->sendDestroyOnce();
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            window->hwnd = nullptr;
            break;
        case WM_SIZE:
            placeAllControls(*window);
            window->send(message::Size, first, second);
            return 0;
        case WM_SETFOCUS:
            // Back to the window: the board takes the keyboard again.
            if (window->cursorCell != nullptr && window->cursorCell->hwnd != nullptr) {
                SetFocus(window->cursorCell->hwnd);
                return 0;
            }
            break;
        case WM_GETMINMAXINFO: {
            // No smaller than the smallest share of the classic window, on this screen's scale.
            const SIZE smallest =
                windowSizeAt(window->classicWindowSize, smallestWindowShare * dotsPerInchScale(hwnd));
            reinterpret_cast<MINMAXINFO*>(second)->ptMinTrackSize = {smallest.cx, smallest.cy};
            return 0;
        }
        case WM_DPICHANGED: {
            // Moved to a screen of another density: the system proposes the place at the new scale.
            const RECT& proposed = *reinterpret_cast<const RECT*>(second);
            SetWindowPos(hwnd, nullptr, proposed.left, proposed.top, proposed.right - proposed.left,
                         proposed.bottom - proposed.top, SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case WM_COMMAND:
            if (second != 0) {
                if (Control* control = window->controlOf(reinterpret_cast<HWND>(second))) {
                    dispatchControlCommand(*window, *control, HIWORD(first));
                }
            } else {
                // A menu item, or its shortcut key (notification 1): both reach the procedure as
                // the menu command itself.
                window->send(message::Command, makeWParam(LOWORD(first), 0), 0);
            }
            return 0;
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(second);
            if (const Control* control = window->controlOf(item.hwndItem);
                control != nullptr && control->kind == ControlKind::CellButton) {
                paintCellButton(*control, item);
                return TRUE;
            }
            break;
        }
        case WM_SETCURSOR:
            if (const Control* control = window->controlOf(reinterpret_cast<HWND>(first));
                control != nullptr && control->link) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        case WM_CTLCOLORSTATIC:
            if (const Control* control = window->controlOf(reinterpret_cast<HWND>(second));
                control != nullptr && control->link) {
                const LRESULT brush = DefWindowProcW(hwnd, message, first, second);
                SetTextColor(reinterpret_cast<HDC>(first), RGB(26, 79, 180));
                return brush;
            }
            break;
        case WM_INITMENUPOPUP:
            updateCheckMarks(*window, reinterpret_cast<HMENU>(first));
            break;
        case WM_HSCROLL:
            if (Control* control = window->controlOf(reinterpret_cast<HWND>(second))) {
                window->send(message::HScroll, first, toLParam(control));
            }
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, first, second);
}

bool registerClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = 0;
    windowClass.lpfnWndProc = &mainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, L"MyIcon");  // from the program's resources
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

Control* Window::controlOf(HWND child) const {
    if (child == nullptr || GetParent(child) != hwnd) {
        return nullptr;
    }
    return reinterpret_cast<Control*>(GetWindowLongPtrW(child, GWLP_USERDATA));
}

WindowHandle createMainWindow(const MainWindowDesc& desc, WindowProc proc, void* userData) {
    if (proc == nullptr) {
        return nullptr;
    }
    const INITCOMMONCONTROLSEX commonControls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    InitCommonControlsEx(&commonControls);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!registerClass(instance)) {
        return nullptr;
    }

    auto window = std::make_unique<Window>();
    window->proc = proc;
    window->userData = userData;
    MenuExtras extras;
    const HMENU menu = buildMenuBar(desc.menuBar, extras);
    window->checkedItems = std::move(extras.checkedItems);
    window->classicWindowSize = {desc.width, desc.height};
    const SIZE size = openingWindowSize(window->classicWindowSize);
    const HWND hwnd =
        CreateWindowExW(0, kClassName, win32::widen(desc.title).c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, size.cx, size.cy, nullptr, menu, instance, window.get());
    if (hwnd == nullptr) {
        DestroyMenu(menu);
        return nullptr;
    }
    if (!extras.accelerators.empty()) {
        window->accelerators =
            CreateAcceleratorTableW(extras.accelerators.data(), static_cast<int>(extras.accelerators.size()));
    }
    return window.release();
}

void destroyMainWindow(WindowHandle window) {
    if (window == nullptr) {
        return;
    }
    window->sendDestroyOnce();
    if (window->hwnd != nullptr) {
        DestroyWindow(window->hwnd);  // the menu and every child window go with it
    }
    if (window->accelerators != nullptr) {
        DestroyAcceleratorTable(window->accelerators);
    }
    delete window;
}

void setWindowTitle(WindowHandle window, std::string_view title) {
    if (window != nullptr && window->hwnd != nullptr) {
        SetWindowTextW(window->hwnd, win32::widen(title).c_str());
    }
}

void setMenuBar(WindowHandle window, std::vector<MenuItem> menuBar) {
    if (window == nullptr || window->hwnd == nullptr) {
        return;
    }
    MenuExtras extras;
    const HMENU menu = buildMenuBar(menuBar, extras);
    const HMENU previous = GetMenu(window->hwnd);
    SetMenu(window->hwnd, menu);
    DestroyMenu(previous);
    window->checkedItems = std::move(extras.checkedItems);
    if (window->accelerators != nullptr) {
        DestroyAcceleratorTable(window->accelerators);
        window->accelerators = nullptr;
    }
    if (!extras.accelerators.empty()) {
        window->accelerators =
            CreateAcceleratorTableW(extras.accelerators.data(), static_cast<int>(extras.accelerators.size()));
    }
}

std::optional<RECT> normalWindowPlace(WindowHandle window) {
    if (window == nullptr) {
        return std::nullopt;
    }
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (window->hwnd != nullptr && GetWindowPlacement(window->hwnd, &placement)) {
        return placement.rcNormalPosition;
    }
    return window->placeAtClose;
}

bool restoreWindowPlace(WindowHandle window, const RECT& place) {
    if (window == nullptr || window->hwnd == nullptr) {
        return false;
    }
    // A place no screen shows (a screen since removed), or smaller than the window may be, is refused.
    const SIZE smallest =
        windowSizeAt(window->classicWindowSize, smallestWindowShare * dotsPerInchScale(nullptr));
    if (MonitorFromRect(&place, MONITOR_DEFAULTTONULL) == nullptr || place.right - place.left < smallest.cx ||
        place.bottom - place.top < smallest.cy) {
        return false;
    }
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    placement.showCmd = SW_HIDE;  // runEventLoop shows it
    placement.rcNormalPosition = place;
    return SetWindowPlacement(window->hwnd, &placement) != FALSE;
}

bool windowMaximised(WindowHandle window) {
    if (window == nullptr) {
        return false;
    }
    return window->hwnd != nullptr ? IsZoomed(window->hwnd) != FALSE : window->maximisedAtClose;
}

void showMaximisedAtStart(WindowHandle window) {
    if (window != nullptr) {
        window->showAtStart = SW_SHOWMAXIMIZED;
    }
}

void* windowUserData(WindowHandle window) {
    return window != nullptr ? window->userData : nullptr;
}

void postQuit(WindowHandle window, int exitCode) {
    if (window == nullptr) {
        return;
    }
    window->quitCode = exitCode;
    PostQuitMessage(exitCode);
}

int runEventLoop(WindowHandle window) {
    if (window == nullptr) {
        return 0;
    }
    if (window->hwnd != nullptr) {
        ShowWindow(window->hwnd, window->showAtStart);
        UpdateWindow(window->hwnd);
    }
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window->hwnd != nullptr && window->accelerators != nullptr &&
            TranslateAcceleratorW(window->hwnd, window->accelerators, &message)) {
            continue;
        }
        if (window->hwnd != nullptr && handleKeyboard(*window, message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return window->quitCode.value_or(static_cast<int>(message.wParam));
}

HWND systemWindow(WindowHandle window) {
    return window != nullptr ? window->hwnd : nullptr;
}

HWND systemWindow(ControlHandle control) {
    return control != nullptr ? control->hwnd : nullptr;
}

}  // namespace kalvenor::platform
