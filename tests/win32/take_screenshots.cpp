// Takes the pictures of the Windows program in docs/ (run under Wine and Xvfb; see docs/windows.md):
// take_screenshots.exe FOLDER. The program is driven as the desktop test drives it, and each
// picture is the main window as the screen shows it, written as PNG through GDI+.

#include <windows.h>
// after windows.h, which it needs
#include <gdiplus.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "records/utf8_path.h"
#include "window_driver.h"

namespace {

namespace fs = std::filesystem;
using namespace kalvenor::win32_test;

bool pngEncoder(CLSID& encoder) {
    UINT count = 0;
    UINT size = 0;
    Gdiplus::GetImageEncodersSize(&count, &size);
    std::string buffer(size, '\0');
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    Gdiplus::GetImageEncoders(count, size, codecs);
    for (UINT i = 0; i < count; ++i) {
        if (std::wstring(codecs[i].MimeType) == L"image/png") {
            encoder = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

// The window and whatever it owns on top (a message box), copied from the screen.
bool savePicture(HWND window, const fs::path& file) {
    SetForegroundWindow(window);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(700);
    RECT rect{};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, previous);

    CLSID encoder{};
    bool saved = false;
    if (pngEncoder(encoder)) {
        Gdiplus::Bitmap picture(bitmap, nullptr);
        saved = picture.Save(file.c_str(), &encoder, nullptr) == Gdiplus::Ok;
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", file.string().c_str());
    return saved;
}

void click(HWND window, HWND button) {
    SendMessageW(button, BM_CLICK, 0, 0);
    waitUntilIdle(window);
}

// A menu command over a changed, unfinished game: the question whether to save it comes first
// and is answered No (don't save).
void discardAndCommand(HWND window, int command) {
    postCommand(window, command);
    pressDialogButton(waitForDialog(window), IDNO);
    waitUntilIdle(window);
}

// A new game against the computer over a changed game, the person second.
void startSecondAgainstTheComputer(HWND window, int command) {
    discardAndCommand(window, command);
    pressDialogButton(waitForDialog(window), IDNO);
    waitUntilIdle(window);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: take_screenshots FOLDER\n");
        return 2;
    }
    const fs::path folder = fs::absolute(argv[1]);
    Gdiplus::GdiplusStartupInput startup;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &startup, nullptr);

    const fs::path work = fs::temp_directory_path() / "kalvenor-screenshots";
    fs::create_directories(work);
    // The program as new (the large board, no remembered place), in Japanese first.
    startAsNew("ja");
    bool ok = true;
    {
        RunningProgram program(KALVENOR_PROGRAM, work);
        const HWND window = program.mainWindow();
        if (window == nullptr) {
            return 1;
        }
        MoveWindow(window, 0, 0, 1024, 750, TRUE);
        ok &= savePicture(window, folder / "windows-start-screen.png");

        // Two people on two axes, up to First's win and its result box.
        sendCommand(window, 102);
        const auto cells = cellButtons(window);
        for (std::size_t column = 0; column < 4; ++column) {
            click(window, cells[column]);
            click(window, cells[8 + column]);
        }
        postClick(cells[4]);
        const HWND result = waitForDialog(window);
        ok &= savePicture(window, folder / "windows-two-axes-result.png");
        pressDialogButton(result, IDOK);

        // Two people on four axes, a few stones, the track bar of the fourth axis.
        sendCommand(window, 106);
        const auto slice = cellButtons(window);
        for (std::size_t cell : {73U, 74U, 81U, 82U, 137U, 146U}) {
            click(window, slice[cell]);
        }
        ok &= savePicture(window, folder / "windows-four-axes.png");

        // Against the computer on three axes, the person second: the computer's opening, the
        // detailed guide, the person's move and the computer's reply with the stones it turned.
        startSecondAgainstTheComputer(window, 103);
        click(window, childWithText(window, "詳細"));
        for (HWND cell : cellButtons(window)) {
            const std::string text = windowText(cell);
            if (!text.empty() && text != "■" && text != "□") {
                click(window, cell);
                break;
            }
        }
        ok &= savePicture(window, folder / "windows-three-axes-vs-cpu.png");

        // Against the computer on eight axes: a click on the label of the computer's opening move
        // brings its slice into view, the track bars mark where the moves are.
        startSecondAgainstTheComputer(window, 113);
        for (HWND label : childrenOfClass(window, L"Static")) {
            if (windowText(label).find("cpu choice") != std::string::npos) {
                SendMessageW(window, WM_COMMAND, MAKEWPARAM(0, STN_CLICKED), reinterpret_cast<LPARAM>(label));
            }
        }
        waitUntilIdle(window);
        ok &= savePicture(window, folder / "windows-eight-axes.png");

        // The About box, with its Japanese text.
        postCommand(window, 254);
        const HWND about = waitForDialog(window);
        ok &= savePicture(window, folder / "windows-about.png");
        pressDialogButton(about, IDOK);

        // Two, three and eight axes on the large board, on a full-HD screen and on a laptop's, in
        // Japanese and then in English (表示 › 言語 › English).
        for (const bool english : {false, true}) {
            if (english) {
                sendCommand(window, 212);
            }
            const std::string prefix = english ? "windows-en-large-" : "windows-large-";
            for (const SIZE size : {SIZE{1920, 1050}, SIZE{1366, 700}}) {
                MoveWindow(window, 0, 0, size.cx, size.cy, TRUE);
                waitUntilIdle(window);
                const std::string suffix =
                    "-" + std::to_string(size.cx) + "x" + std::to_string(size.cy) + ".png";
                discardAndCommand(window, 102);
                const auto board = cellButtons(window);
                for (std::size_t cell : {27U, 28U, 35U, 36U, 19U, 45U}) {
                    click(window, board[cell]);
                }
                ok &= savePicture(window, folder / (prefix + "2d" + suffix));
                startSecondAgainstTheComputer(window, 103);
                click(window, childWithText(window, english ? "Detailed" : "詳細"));
                ok &= savePicture(window, folder / (prefix + "3d" + suffix));
                discardAndCommand(window, 126);
                click(window, childWithText(window, english ? "10 steps" : "10手進む"));
                ok &= savePicture(window, folder / (prefix + "8d" + suffix));
            }
        }

        postCommand(window, 255);
        program.waitForExit(30000);
    }
    Gdiplus::GdiplusShutdown(token);
    return ok ? 0 : 1;
}
