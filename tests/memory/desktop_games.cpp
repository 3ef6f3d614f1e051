// Plays many new games of four axes in the desktop program's window (offscreen platform), each
// painted as the screen shows it, and holds peak resident memory to the figure after 50 games.
//
//   QT_QPA_PLATFORM=offscreen memory_desktop_games [GAMES]   (default 500)

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "game/session.h"
#include "peak_memory.h"
#include "platform/qt/qt_access.h"
#include "ui/main_window.h"

namespace {

constexpr int earlyGames = 50;

void clickCell(kalvenor::Session& session, int cell) {
    const auto slot = static_cast<std::size_t>(cell - session.state.viewOffset);
    if (auto* button = qobject_cast<QAbstractButton*>(
            kalvenor::platform::controlWidget(session.view.cellButtons.at(slot)))) {
        button->click();
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const int games = argc > 1 ? std::atoi(argv[1]) : 500;
    if (games <= earlyGames) {
        std::fprintf(stderr, "usage: memory_desktop_games [GAMES > %d]\n", earlyGames);
        return 2;
    }
    kalvenor::Session session;
    if (kalvenor::openMainWindow(session) == nullptr) {
        std::fprintf(stderr, "no main window\n");
        return 1;
    }
    QMainWindow* window = kalvenor::platform::mainWindowWidget(session.window);
    window->show();
    // One game per turn of the event loop, as commands arrive in the program, so that the widgets
    // of each replaced view are deleted as they are there.
    long earlyKiB = 0;
    int game = 0;
    QEventLoop loop;
    std::function<void()> playOneGame = [&] {
        ++game;
        kalvenor::sendCommand(session.window, 106);
        for (int move = 0; move < 6; ++move) {
            clickCell(session, 1536 + 73 * move + game % 7);
        }
        window->grab();  // every control painted, as on the screen
        if (game == earlyGames) {
            earlyKiB = kalvenor::memory_test::peakResidentKiB();
        }
        if (game == games) {
            loop.quit();
        } else {
            QTimer::singleShot(0, &loop, playOneGame);
        }
    };
    QTimer::singleShot(0, &loop, playOneGame);
    loop.exec();
    const long finalKiB = kalvenor::memory_test::peakResidentKiB();
    kalvenor::platform::destroyMainWindow(session.window);
    return kalvenor::memory_test::verdict("desktop program, new games of 4 axes", earlyGames, earlyKiB, games,
                                          finalKiB);
}
