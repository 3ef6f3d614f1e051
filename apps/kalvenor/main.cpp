// Kalvenor, the desktop program: kalvenor [FILE]. Qt's standard options (such as -platform) work
// as in every Qt program; FILE is a saved game to load once the window is up, as 読込… loads it
// (the desktop entry opens saved games this way).

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "application_identity.h"
#include "desktop_program.h"
#include "state_folder.h"

namespace {

constexpr int kUsageError = 2;

constexpr const char* usageLine = "Usage: kalvenor [FILE]\n";
constexpr const char* helpText =
    "Kalvenor: five in a row on a hypercube of 2 to 8 dimensions, the desktop program.\n"
    "  FILE    a saved game (.gd) to load at start, as loading it from the game menu does\n"
    "  --help  show this text\n"
    "Qt's own options (such as -platform offscreen) work as in every Qt program.\n";

int usage(const std::string& problem) {
    std::fprintf(stderr, "kalvenor: %s\n%s", problem.c_str(), usageLine);
    return kUsageError;
}

bool asksForHelp(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    // Before Qt starts: the help needs no display.
    if (asksForHelp(argc, argv)) {
        std::fputs(usageLine, stdout);
        std::fputs(helpText, stdout);
        return 0;
    }
    QApplication application(argc, argv);  // takes Qt's own options out of argv
    kalvenor::identifyApplication();
    // The program ends through its own quit path, not when its last window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    std::optional<std::string> savedGame;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.starts_with('-')) {
            return usage("unknown option \"" + argument + "\"");
        }
        if (savedGame) {
            return usage("one saved game at a time");
        }
        savedGame = argument;
    }

    kalvenor::DesktopProgram program(kalvenor::desktopStateFolder());
    if (!program.hasWindow()) {
        return 0;
    }
    const kalvenor::CommandDoor& door = program.door();
    if (door.state() != kalvenor::CommandDoor::State::Open) {
        std::fprintf(stderr, "kalvenor: commands from kalvenor-command are not accepted: %s\n",
                     door.problem().c_str());
    }
    if (savedGame) {
        // Once the window shows, so that a refusal's box stands over it.
        QTimer::singleShot(0, &application, [&program, &savedGame] { program.openSavedGame(*savedGame); });
    }
    return program.run();
}
