// Kalvenor, the desktop program. It takes no options of its own; Qt's standard ones (such as
// -platform) work as in every Qt program.

#include <QApplication>
#include <cstdio>

#include "desktop_program.h"
#include "state_folder.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("kalvenor");
    QApplication::setDesktopFileName("kalvenor");
    // The program ends through its own quit path, not when its last window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    kalvenor::DesktopProgram program(kalvenor::desktopStateFolder());
    if (!program.hasWindow()) {
        return 0;
    }
    const kalvenor::CommandDoor& door = program.door();
    if (door.state() != kalvenor::CommandDoor::State::Open) {
        std::fprintf(stderr, "kalvenor: commands from kalvenor-command are not accepted: %s\n",
                     door.problem().c_str());
    }
    return program.run();
}
