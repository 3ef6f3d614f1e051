#pragma once

// Drives the real Windows program from another process, as a person would: through the messages
// its controls and dialogs understand. Used by the desktop test under Wine.

#include <windows.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kalvenor::win32_test {

// Forgets what earlier runs of the program kept (its settings file, the game in play) and chooses
// `languageChoice` ("ja", "en" or "system") as 表示 › 言語 does: the next start is a first run in
// a known language, whatever the system's.
void startAsNew(std::string_view languageChoice);
// The program's settings file, %APPDATA%\Kalvenor\kalvenor.ini.
std::filesystem::path settingsFile();

// A started program, ended (if it still runs) when this goes.
class RunningProgram {
  public:
    RunningProgram(const std::filesystem::path& program, const std::filesystem::path& workingFolder);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    HWND mainWindow() const { return window_; }
    // Waits for the program to end; its exit code, or -1 if it still runs after the wait.
    int waitForExit(DWORD milliseconds);

  private:
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

// The program's answer to `arguments` run to its end: exit code and standard output.
struct ToolRun {
    int exitCode = -1;
    std::string output;
};
ToolRun runTool(const std::filesystem::path& program, const std::wstring& arguments);

std::string windowText(HWND window);
// Child windows of `parent` of a window class ("Button", "Static", "msctls_trackbar32").
std::vector<HWND> childrenOfClass(HWND parent, const wchar_t* className);
// The cell buttons (the owner-drawn ones), top row first, left to right.
std::vector<HWND> cellButtons(HWND mainWindow);
// The child whose text is `text`, or null.
HWND childWithText(HWND parent, const std::string& text);

// Returns once the program has handled everything sent before.
void waitUntilIdle(HWND mainWindow);
// Sends a menu command, as the menu does.
void sendCommand(HWND mainWindow, int commandId);
// A click that may open a dialog: posted, so the caller can answer the dialog.
void postClick(HWND button);
void postCommand(HWND mainWindow, int commandId);

// The window of the program that has the keyboard focus, or null.
HWND focusedWindow(HWND mainWindow);
// A key pressed and let go on the focused window of the program, as the keyboard sends it; returns
// once the program has handled it.
void pressKey(HWND mainWindow, WPARAM virtualKey);

// The dialog (message box or file dialog) that `owner` has open, waiting for it to appear.
HWND waitForDialog(HWND owner);
// A message box's text.
std::string messageBoxText(HWND box);
// Presses a dialog's button (IDOK, IDYES, IDNO) and waits until the dialog has gone.
void pressDialogButton(HWND dialog, int buttonId);
// Types `path` as the file name of an Open or Save dialog and presses its OK button.
void chooseFile(HWND dialog, const std::filesystem::path& path);

}  // namespace kalvenor::win32_test
