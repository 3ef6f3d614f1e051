// Regenerates the pictures of the README and docs, in Japanese and in English ("en-..."): the start
// screen, a two-person game on two axes, a new game against the computer on three axes with the
// detailed guide, six axes against the computer, and the computer against itself on four axes,
// each a grab of the main window. Usage: kalvenor-screenshots FOLDER (run it
// with the offscreen platform; the build target `screenshots` does).

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
#include "platform/qt/qt_access.h"
#include "ui/command_routing.h"
#include "ui/main_window.h"

namespace {

using Point = std::pair<int, int>;

QAbstractButton* buttonAt(kalvenor::DesktopProgram& program, Point point) {
    QWidget* client = kalvenor::platform::clientAreaWidget(program.window());
    return qobject_cast<QAbstractButton*>(client->childAt(point.first, point.second));
}

// Clicks the buttons at these points of the client area, in turn.
void clickAt(kalvenor::DesktopProgram& program, const std::vector<Point>& points) {
    for (const Point& point : points) {
        if (QAbstractButton* button = buttonAt(program, point)) {
            button->click();
        }
    }
}

// Centre of the cell button at column a, row b of layer `layer` (boards of three or more axes).
Point layerCell(int layer, int a, int b) {
    return {230 * (layer % 4) + 25 * a + 12, 270 * (layer / 4) + 25 * b + 12};
}

// Clicks the first cell button that shows a guide mark ("↓" or a count), if any.
void playFirstGuidedCell(kalvenor::DesktopProgram& program) {
    for (int layer = 0; layer < 8; ++layer) {
        for (int a = 0; a < 8; ++a) {
            for (int b = 0; b < 8; ++b) {
                QAbstractButton* button = buttonAt(program, layerCell(layer, a, b));
                const QString mark = button != nullptr ? button->text() : QString();
                if (!mark.isEmpty() && (mark[0].isDigit() || mark == QStringLiteral("↓"))) {
                    button->click();
                    return;
                }
            }
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

bool save(kalvenor::DesktopProgram& program, const QDir& folder, const QString& name) {
    QApplication::processEvents();
    const QString path = folder.filePath(name);
    const bool saved = kalvenor::platform::mainWindowWidget(program.window())->grab().save(path, "PNG");
    std::fprintf(saved ? stdout : stderr, "%s %s\n", saved ? "wrote" : "cannot write", qPrintable(path));
    return saved;
}

// The five pictures, each file name after `prefix`.
bool takeAll(kalvenor::DesktopProgram& program, const QDir& folder, const QString& prefix) {
    bool saved = save(program, folder, prefix + "start-screen.png");

    kalvenor::sendCommand(program.window(), 102);
    clickAt(program, {{87, 87}, {112, 87}, {87, 112}, {112, 112}, {62, 62}, {137, 137}, {87, 137}});
    saved = save(program, folder, prefix + "game-2d.png") && saved;

    // A new game against the computer from the game menu, moving first: the detailed guide is
    // switched on, the person plays a guided cell and the computer replies.
    const BoxAnswerer answerer;
    kalvenor::sendCommand(program.window(), 103);
    clickAt(program, {{790 + 50, 500 + 15}});
    playFirstGuidedCell(program);
    saved = save(program, folder, prefix + "game-3d.png") && saved;

    // Six axes against the computer: the simple guide on, a guided move, then a click on the
    // last-move label brings the computer's reply, highlighted, into view.
    kalvenor::sendCommand(program.window(), 109);
    clickAt(program, {{690 + 50, 500 + 15}});
    playFirstGuidedCell(program);
    if (QWidget* label = kalvenor::platform::clientAreaWidget(program.window())->childAt(100, 618 + 15)) {
        const QPointF inside(5, 5);
        QMouseEvent release(QEvent::MouseButtonRelease, inside, label->mapToGlobal(inside), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(label, &release);
    }
    saved = save(program, folder, prefix + "game-6d.png") && saved;

    // The computer against itself from the standard opening: ten moves on.
    kalvenor::sendCommand(program.window(), 122);
    clickAt(program, {{955, 75}});
    return save(program, folder, prefix + "game-4d.png") && saved;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kalvenor-screenshots FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    // Settings of the tool's own: the pictures never depend on the user's, nor change them.
    QStandardPaths::setTestModeEnabled(true);
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
