// Regenerates the pictures of the README and docs, in Japanese and in English ("en-..."), as a new
// player sees them (the large board): the start screen, a two-person game on two axes, the threat
// marks of one, a new game against the computer on three axes with the detailed guide, six axes
// against the computer, the computer against itself on four axes, then two, three and eight axes
// at two screen sizes ("large-..."), each a grab of the main window. usage: kalvenor-screenshots FOLDER (run
// it with the offscreen platform; the build target `screenshots` does).

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <utility>
#include <vector>

#include "desktop_program.h"
#include "display_settings.h"
#include "platform/qt/qt_access.h"
#include "ui/command_routing.h"
#include "ui/main_window.h"
#include "window_geometry.h"

namespace {

QAbstractButton* buttonOf(kalvenor::platform::ControlHandle control) {
    return qobject_cast<QAbstractButton*>(kalvenor::platform::controlWidget(control));
}

// Clicks these cell buttons of the view, in turn (cell v + 8 is the next one across).
void clickCells(kalvenor::DesktopProgram& program, const std::vector<int>& cells) {
    for (const int slot : cells) {
        if (QAbstractButton* button = buttonOf(program.session().view.cellButtons[slot])) {
            button->click();
        }
    }
}

// The guide button of `level` (0 none, 1 simple, 2 detailed).
void clickGuide(kalvenor::DesktopProgram& program, int level) {
    if (QAbstractButton* button = buttonOf(program.session().view.guideControls[1 + level])) {
        button->click();
    }
}

// Clicks the first cell button that shows a guide mark ("↓" or a count), if any.
void playFirstGuidedCell(kalvenor::DesktopProgram& program) {
    for (const kalvenor::platform::ControlHandle cell : program.session().view.cellButtons) {
        QAbstractButton* button = buttonOf(cell);
        const QString mark = button != nullptr ? button->text() : QString();
        if (!mark.isEmpty() && (mark[0].isDigit() || mark == QStringLiteral("↓"))) {
            button->click();
            return;
        }
    }
}

// Answers every message box with its default button (Yes to "先攻ですか？") while it lives.
class BoxAnswerer {
  public:
    BoxAnswerer() {
        QObject::connect(&timer_, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                if (box->defaultButton() != nullptr) {
                    box->defaultButton()->click();
                } else {
                    box->close();
                }
            }
        });
        timer_.start(10);
    }

  private:
    QTimer timer_;
};

// Ten moves on for the computer against itself.
void clickTenMoves(kalvenor::DesktopProgram& program) {
    if (QAbstractButton* tenMoves = buttonOf(program.session().view.vsControls[2])) {
        tenMoves->click();
    }
}

// The window at `size`, frame left out, menu bar included.
void resizeWindow(kalvenor::DesktopProgram& program, QSize size) {
    kalvenor::platform::mainWindowWidget(program.window())->resize(size);
    QApplication::processEvents();
}

bool save(kalvenor::DesktopProgram& program, const QDir& folder, const QString& name) {
    QApplication::processEvents();
    const QString path = folder.filePath(name);
    const bool saved = kalvenor::platform::mainWindowWidget(program.window())->grab().save(path, "PNG");
    std::fprintf(saved ? stdout : stderr, "%s %s\n", saved ? "wrote" : "cannot write", qPrintable(path));
    return saved;
}

// Every picture, each file name after `prefix`.
bool takeAll(kalvenor::DesktopProgram& program, const QDir& folder, const QString& prefix) {
    resizeWindow(program, {1024, 718});
    bool saved = save(program, folder, prefix + "start-screen.png");

    kalvenor::sendCommand(program.window(), 102);
    clickCells(program, {27, 35, 28, 36, 18, 45, 29});
    saved = save(program, folder, prefix + "game-2d.png") && saved;
    // The threat marks: two people with four stones each in rows 1 and 3, First to move.
    kalvenor::sendCommand(program.window(), 102);
    clickCells(program, {9, 11, 17, 19, 25, 27, 33, 35});
    saved = save(program, folder, prefix + "game-threats.png") && saved;

    // A new game against the computer from the game menu, moving first: the detailed guide is
    // switched on, the person plays a guided cell and the computer replies.
    const BoxAnswerer answerer;
    kalvenor::sendCommand(program.window(), 103);
    clickGuide(program, 2);
    playFirstGuidedCell(program);
    saved = save(program, folder, prefix + "game-3d.png") && saved;

    // Six axes against the computer: the simple guide on, a guided move, then a click on the
    // last-move label brings the computer's reply, highlighted, into view.
    kalvenor::sendCommand(program.window(), 109);
    clickGuide(program, 1);
    playFirstGuidedCell(program);
    if (QWidget* label = kalvenor::platform::controlWidget(
            program.session().view.infoLabels[kalvenor::info_slot::LastMove])) {
        const QPointF inside(5, 5);
        QMouseEvent release(QEvent::MouseButtonRelease, inside, label->mapToGlobal(inside), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(label, &release);
    }
    saved = save(program, folder, prefix + "game-6d.png") && saved;

    // The computer against itself from the standard opening: ten moves on.
    kalvenor::sendCommand(program.window(), 122);
    clickTenMoves(program);
    saved = save(program, folder, prefix + "game-4d.png") && saved;

    // Two, three and eight axes on a full-HD screen and on a laptop's, each less a panel.
    for (const QSize size : {QSize(1920, 1050), QSize(1366, 700)}) {
        resizeWindow(program, size);
        const QString suffix = QString("-%1x%2.png").arg(size.width()).arg(size.height());
        kalvenor::sendCommand(program.window(), 102);
        clickCells(program, {27, 35, 28, 36, 18, 45, 29});
        saved = save(program, folder, prefix + "large-2d" + suffix) && saved;
        kalvenor::sendCommand(program.window(), 103);
        clickGuide(program, 2);
        playFirstGuidedCell(program);
        saved = save(program, folder, prefix + "large-3d" + suffix) && saved;
        kalvenor::sendCommand(program.window(), 126);
        clickTenMoves(program);
        saved = save(program, folder, prefix + "large-8d" + suffix) && saved;
    }
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Usage: kalvenor-screenshots FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    // Settings of the tool's own, as a new player has them: the large board, the opening size.
    // The pictures never depend on the user's settings, nor change them.
    QStandardPaths::setTestModeEnabled(true);
    kalvenor::storeWindowGeometry({});
    kalvenor::storeBoardLayout(kalvenor::BoardLayout::Large);
    // The Japanese pictures, then the same in English ("en-" before the name), each from a fresh
    // window on its start screen.
    bool saved = true;
    for (const auto& [language, prefix] :
         {std::pair{kalvenor::command_id::Japanese, ""}, std::pair{kalvenor::command_id::English, "en-"}}) {
        kalvenor::DesktopProgram program;
        if (!program.hasWindow()) {
            return 1;
        }
        kalvenor::sendCommand(program.window(), language);
        kalvenor::platform::mainWindowWidget(program.window())->show();
        saved = takeAll(program, folder, prefix) && saved;
    }
    return saved ? 0 : 1;
}
