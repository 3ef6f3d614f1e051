// kalvenor-command.exe ID: sends the running Kalvenor one command id, as its menu would, and prints
// the answer. Exit code 0 when it was accepted, 1 when refused or no program runs, 2 on misuse.
// The program is found by its window class, MyWin, and the command goes to it as the window's
// own command message.

#include <windows.h>

#include <cstdio>
#include <string>
#include <variant>

#include "command_message.h"
#include "standard_output.h"

namespace {

constexpr int accepted = 0;
constexpr int refused = 1;
constexpr int misused = 2;
// The program answers between two of its own actions, and a long computer move keeps it busy.
constexpr unsigned answerSeconds = 60;

int refuse(const std::string& reason) {
    std::fputs(kalvenor::errorReply(reason).c_str(), stdout);
    return refused;
}

int run(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr,
                     "Usage: kalvenor-command ID\n"
                     "Sends the running Kalvenor the command ID (for example 121: a three-dimensional game\n"
                     "of the computer against itself; 150 save, 151 load, 152 game record on or off).\n");
        return misused;
    }
    // The same checks and words as the Linux program's, made here since no socket carries them.
    const kalvenor::ParsedMessage parsed = kalvenor::parseCommandMessage(std::string(argv[1]) + "\n");
    if (const auto* rejected = std::get_if<kalvenor::RejectedMessage>(&parsed)) {
        return refuse(rejected->reason);
    }
    const int commandId = std::get<kalvenor::CommandRequest>(parsed).commandId;

    const HWND window = FindWindowW(L"MyWin", nullptr);
    if (window == nullptr) {
        std::fprintf(stderr, "kalvenor-command: no running Kalvenor window (class MyWin) was found\n");
        return refused;
    }
    // A round trip first: a program busy with a long move answers when it is done.
    DWORD_PTR ignored = 0;
    if (SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, answerSeconds * 1000, &ignored) == 0) {
        std::fprintf(stderr,
                     "kalvenor-command: Kalvenor did not answer within %u seconds; it may be busy, and the "
                     "command was not sent\n",
                     answerSeconds);
        return refused;
    }
    // While a message box or a file dialog is open, the window is disabled.
    if (!IsWindowEnabled(window)) {
        return refuse("a dialog of the program is open; answer it and send again");
    }
    if (!PostMessageW(window, WM_COMMAND, MAKEWPARAM(commandId, 0), 0)) {
        std::fprintf(stderr, "kalvenor-command: the command could not be sent (system error %lu)\n",
                     GetLastError());
        return refused;
    }
    std::fputs(kalvenor::okReply().c_str(), stdout);
    return accepted;
}

}  // namespace

int main(int argc, char** argv) {
    return kalvenor::exitStatusAfterOutput("kalvenor-command", run(argc, argv));
}
