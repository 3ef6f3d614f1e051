#include "window_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "records/win32/wide_text.h"

namespace kalvenor::win32_test {

namespace {

using namespace std::chrono_literals;
constexpr auto kPatience = 30s;

template <typename Found>
auto waitFor(Found found) -> decltype(found()) {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (std::chrono::steady_clock::now() < deadline) {
        if (auto result = found()) {
            return result;
        }
        std::this_thread::sleep_for(50ms);
    }
    return found();
}

std::wstring className(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

RECT clientRectOf(HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace

std::filesystem::path settingsFile() {
    const char* appData = std::getenv("APPDATA");
    return appData != nullptr ? std::filesystem::path(appData) / "Kalvenor" / "kalvenor.ini"
                              : std::filesystem::path();
}

void startAsNew(std::string_view languageChoice) {
    std::error_code ignored;
    const std::filesystem::path settings = settingsFile();
    std::filesystem::remove(settings, ignored);
    if (const char* localAppData = std::getenv("LOCALAPPDATA")) {
        std::filesystem::remove_all(std::filesystem::path(localAppData) / "Kalvenor", ignored);
    }
    if (!settings.empty()) {
        std::filesystem::create_directories(settings.parent_path(), ignored);
        WritePrivateProfileStringW(L"window", L"language", win32::widen(languageChoice).c_str(),
                                   settings.c_str());
    }
}

RunningProgram::RunningProgram(const std::filesystem::path& program,
                               const std::filesystem::path& workingFolder) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring commandLine = L"\"" + program.wstring() + L"\"";
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingFolder.c_str(), &startup, &process_)) {
        ADD_FAILURE() << "cannot start " << program.string() << ": " << win32::systemMessage(GetLastError());
        return;
    }
    WaitForInputIdle(process_.hProcess, 30000);
    // Found once shown: a window found while it is still being created may lack its controls.
    window_ = waitFor([]() -> HWND {
        const HWND window = FindWindowW(L"MyWin", nullptr);
        return window != nullptr && IsWindowVisible(window) ? window : nullptr;
    });
    if (window_ == nullptr) {
        ADD_FAILURE() << "no window of class MyWin appeared";
    }
}

RunningProgram::~RunningProgram() {
    if (process_.hProcess == nullptr) {
        return;
    }
    if (waitForExit(0) == -1) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 10000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

int RunningProgram::waitForExit(DWORD milliseconds) {
    if (WaitForSingleObject(process_.hProcess, milliseconds) != WAIT_OBJECT_0) {
        return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return static_cast<int>(code);
}

ToolRun runTool(const std::filesystem::path& program, const std::wstring& arguments) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    CreatePipe(&readEnd, &writeEnd, &inherit, 0);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    std::wstring commandLine = L"\"" + program.wstring() + L"\" " + arguments;
    PROCESS_INFORMATION process{};
    ToolRun run;
    // Wine in a fresh prefix has been seen to refuse one start of a console program while the
    // desktop program was busy; a second try a moment later starts it.
    bool started = false;
    DWORD startError = 0;
    for (int attempt = 0; attempt < 3 && !started; ++attempt) {
        if (attempt > 0) {
            std::this_thread::sleep_for(500ms);
        }
        started = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                 nullptr, &startup, &process);
        startError = started ? 0 : GetLastError();
    }
    if (!started) {
        ADD_FAILURE() << "cannot start " << program.string() << ": " << win32::systemMessage(startError);
        CloseHandle(readEnd);
        CloseHandle(writeEnd);
        return run;
    }
    CloseHandle(writeEnd);
    char buffer[256];
    DWORD got = 0;
    while (ReadFile(readEnd, buffer, sizeof(buffer), &got, nullptr) && got > 0) {
        run.output.append(buffer, got);
    }
    CloseHandle(readEnd);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    run.exitCode = static_cast<int>(code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return run;
}

std::string windowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return win32::narrow(text);
}

std::vector<HWND> childrenOfClass(HWND parent, const wchar_t* wanted) {
    struct Search {
        HWND parent;
        std::wstring className;
        std::vector<HWND> found;
    } search{parent, wanted, {}};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            if (GetParent(child) == s.parent &&
                _wcsicmp(className(child).c_str(), s.className.c_str()) == 0) {
                s.found.push_back(child);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> cellButtons(HWND mainWindow) {
    std::vector<HWND> cells;
    for (HWND button : childrenOfClass(mainWindow, L"Button")) {
        if ((GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW) {
            cells.push_back(button);
        }
    }
    std::sort(cells.begin(), cells.end(), [](HWND a, HWND b) {
        const RECT ra = clientRectOf(a);
        const RECT rb = clientRectOf(b);
        return std::pair(ra.top, ra.left) < std::pair(rb.top, rb.left);
    });
    return cells;
}

HWND childWithText(HWND parent, const std::string& text) {
    for (const wchar_t* kind : {L"Static", L"Button"}) {
        for (HWND child : childrenOfClass(parent, kind)) {
            if (windowText(child) == text) {
                return child;
            }
        }
    }
    return nullptr;
}

void waitUntilIdle(HWND mainWindow) {
    // A posted message comes after everything posted before it; its reply after it is handled.
    DWORD_PTR ignored = 0;
    PostMessageW(mainWindow, WM_NULL, 0, 0);
    SendMessageTimeoutW(mainWindow, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &ignored);
}

HWND focusedWindow(HWND mainWindow) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(GetWindowThreadProcessId(mainWindow, nullptr), &info) ? info.hwndFocus : nullptr;
}

void pressKey(HWND mainWindow, WPARAM virtualKey) {
    const HWND focus = focusedWindow(mainWindow);
    const HWND target = focus != nullptr ? focus : mainWindow;
    const UINT scanCode = MapVirtualKeyW(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC);
    PostMessageW(target, WM_KEYDOWN, virtualKey, static_cast<LPARAM>(1 | (scanCode << 16)));
    PostMessageW(target, WM_KEYUP, virtualKey, static_cast<LPARAM>(1 | (scanCode << 16) | (3U << 30)));
    // A sent message is handled at the program's next look into its queue, before the posted ones,
    // and each look takes one posted message: the key down, the character it translates to, the
    // key up and the click a button posts for itself need a round each, so a few rounds are waited.
    waitUntilIdle(mainWindow);
    constexpr int kRounds = 6;
    for (int round = 0; round < kRounds; ++round) {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(mainWindow, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &ignored);
    }
}

void sendCommand(HWND mainWindow, int commandId) {
    SendMessageW(mainWindow, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

void postClick(HWND button) {
    PostMessageW(button, BM_CLICK, 0, 0);
}

void postCommand(HWND mainWindow, int commandId) {
    PostMessageW(mainWindow, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

HWND waitForDialog(HWND owner) {
    return waitFor([owner]() -> HWND {
        HWND dialog = nullptr;
        while ((dialog = FindWindowExW(nullptr, dialog, L"#32770", nullptr)) != nullptr) {
            if (GetWindow(dialog, GW_OWNER) == owner && IsWindowVisible(dialog)) {
                return dialog;
            }
        }
        return nullptr;
    });
}

std::string messageBoxText(HWND box) {
    constexpr int messageTextId = 0xFFFF;  // the static that holds a message box's text
    return windowText(GetDlgItem(box, messageTextId));
}

void pressDialogButton(HWND dialog, int buttonId) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), 0);
    waitFor([dialog] { return !IsWindow(dialog); });
}

void chooseFile(HWND dialog, const std::filesystem::path& path) {
    // The file name box: an edit (edt1) or, in the Explorer-style dialogs, a combo box (cmb13).
    constexpr int fileNameEdit = 0x480;
    constexpr int fileNameCombo = 0x47C;
    HWND box = GetDlgItem(dialog, fileNameCombo);
    if (box == nullptr) {
        box = GetDlgItem(dialog, fileNameEdit);
    }
    ASSERT_NE(box, nullptr) << "the file dialog has no file name box";
    SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    pressDialogButton(dialog, IDOK);
}

}  // namespace kalvenor::win32_test
