// Regenerates the pictures of the README: the start screen and games of two, three and four
// axes, each a grab of the main window. Usage: kalvenor-screenshots FOLDER (run it with the
// offscreen platform; the build target `screenshots` does).

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QPixmap>
#include <cstdio>
#include <utility>
#include <vector>

#include "desktop_program.h"
#include "platform/qt/qt_access.h"
#include "ui/main_window.h"

namespace {

using Point = std::pair<int, int>;

// Clicks the buttons at these points of the client area, in turn.
void clickAt(kalvenor::DesktopProgram& program, const std::vector<Point>& points) {
    QWidget* client = kalvenor::platform::clientAreaWidget(program.window());
    for (const auto& [x, y] : points) {
        if (auto* button = qobject_cast<QAbstractButton*>(client->childAt(x, y))) {
            button->click();
        }
    }
}

// Centre of the cell button at column a, row b of layer `layer` (boards of three or more axes).
Point layerCell(int layer, int a, int b) { return {230 * (layer % 4) + 25 * a + 12, 270 * (layer / 4) + 25 * b + 12}; }

bool save(kalvenor::DesktopProgram& program, const QDir& folder, const QString& name) {
    QApplication::processEvents();
    const QString path = folder.filePath(name);
    const bool saved = kalvenor::platform::mainWindowWidget(program.window())->grab().save(path, "PNG");
    std::fprintf(saved ? stdout : stderr, "%s %s\n", saved ? "wrote" : "cannot write", qPrintable(path));
    return saved;
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
    kalvenor::DesktopProgram program;
    if (!program.hasWindow()) {
        return 1;
    }
    kalvenor::platform::mainWindowWidget(program.window())->show();
    bool saved = save(program, folder, "start-screen.png");

    kalvenor::sendCommand(program.window(), 102);
    clickAt(program, {{87, 87}, {112, 87}, {87, 112}, {112, 112}, {62, 62}, {137, 137}, {87, 137}});
    saved = save(program, folder, "game-2d.png") && saved;

    kalvenor::sendCommand(program.window(), 104);
    clickAt(program, {layerCell(0, 3, 3), layerCell(1, 3, 3), layerCell(1, 4, 4), layerCell(5, 2, 6),
                      layerCell(2, 3, 3), layerCell(6, 5, 1), layerCell(3, 3, 3)});
    saved = save(program, folder, "game-3d.png") && saved;

    kalvenor::sendCommand(program.window(), 106);
    clickAt(program, {layerCell(3, 3, 3), layerCell(4, 4, 4), layerCell(2, 3, 4), layerCell(7, 1, 1),
                      layerCell(1, 3, 5)});
    saved = save(program, folder, "game-4d.png") && saved;
    return saved ? 0 : 1;
}
