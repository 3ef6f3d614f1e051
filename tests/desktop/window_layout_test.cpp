// The desktop program's window at the sizes people use: the layout fits and is centred, cells tile
// without seams, no text is cut, the large board switches and everything is remembered. The
// cells' share of the client area is printed for the README's table.

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>
#include <algorithm>

#include "desktop/menu_lookup.h"
#include "desktop/modal_answerer.h"
#include "desktop_program.h"
#include "display_settings.h"
#include "game/labels.h"
#include "platform/qt/qt_access.h"
#include "records/texts.h"
#include "ui/board_layout_choice.h"
#include "ui/command_routing.h"
#include "ui/main_window.h"
#include "window_geometry.h"

using namespace kalvenor;

namespace {

// The window's size without its frame, menu bar included; the largest is a full-HD screen less a
// panel, the smallest 60 % of the classic window.
const QSize kSizes[] = {{1024, 718}, {1366, 700}, {1920, 1050}, {615, 450}};

struct GameOnScreen {
    int command;
    const char* name;
};
const GameOnScreen kGames[] = {{102, "two axes"},
                               {121, "three axes, computers"},
                               {103, "three axes"},
                               {126, "eight axes, computers"},
                               {109, "six axes"}};

std::vector<QWidget*> cellWidgets(const Session& session) {
    std::vector<QWidget*> cells;
    for (platform::ControlHandle cell : session.view.cellButtons) {
        cells.push_back(platform::controlWidget(cell));
    }
    return cells;
}

// The width a control's text needs, with the label's frame or the button's own margin.
int neededWidth(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->fontMetrics().horizontalAdvance(label->text()) +
               (label->width() - label->contentsRect().width());
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        return button->fontMetrics().horizontalAdvance(button->text());
    }
    return 0;
}

}  // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<DesktopProgram> program_;
    std::unique_ptr<testing::ModalAnswerer> answerer_;

    QMainWindow* mainWidget() const { return platform::mainWindowWidget(program_->window()); }
    QWidget* client() const { return platform::clientAreaWidget(program_->window()); }

    void resizeTo(QSize size) {
        mainWidget()->resize(size);
        QTRY_COMPARE(mainWidget()->size(), size);
        QTRY_COMPARE(client()->height(), size.height() - mainWidget()->menuBar()->height());
    }

    // The longest texts the labels can show: the move of the last cell, a pass check's status.
    void showLongestTexts() {
        const Session& session = program_->session();
        const auto& labels = session.view.infoLabels;
        const int d = session.state.dimension;
        platform::setControlText(labels[info_slot::LastMove],
                                 playerMoveText(d, session.state.cellCount - 1, CellState::Second));
        if (d >= 3) {
            platform::setControlText(labels[info_slot::Status], status_text::PlayerAutoPass);
        }
    }

    void start(int command) {
        if (command <= 113 && command % 2 == 1) {  // against the computer: moving first
            answerer_->queueButton(QMessageBox::Yes);
        }
        sendCommand(program_->window(), command);
        showLongestTexts();
    }

    // `filled`: the layout reaches every edge of its canvas (the large board), so that what it
    // covers shows where the canvas stands.
    void checkFitsAndLegible(const char* what, bool filled) {
        const QRect area = client()->rect();
        QRect used;
        for (QWidget* child : client()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isHidden()) {
                continue;
            }
            const QString name = QString("%1 at %2 x %3: %4")
                                     .arg(what)
                                     .arg(area.width())
                                     .arg(area.height())
                                     .arg(child->property("text").toString());
            QVERIFY2(area.contains(child->geometry()), qPrintable(name));
            QVERIFY2(neededWidth(child) <= child->width(), qPrintable(name + " is cut"));
            used |= child->geometry();
        }
        // Centred: the same room on both sides along the axis that does not fill.
        QVERIFY2(!filled || (std::abs(used.left() - (area.width() - 1 - used.right())) <= 1 &&
                             std::abs(used.top() - (area.height() - 1 - used.bottom())) <= 1),
                 qPrintable(QString("%1: used %2,%3 %4 x %5")
                                .arg(what)
                                .arg(used.x())
                                .arg(used.y())
                                .arg(used.width())
                                .arg(used.height())));
    }

    // Cell v + 1 lies right below cell v and cell v + 8 right beside it, sharing the edge.
    void checkSeamless() {
        const std::vector<QWidget*> cells = cellWidgets(program_->session());
        for (std::size_t v = 0; v + 1 < cells.size(); ++v) {
            if (v % 8 != 7) {
                QCOMPARE(cells[v + 1]->y(), cells[v]->geometry().bottom() + 1);
            }
            if (v % 64 < 56) {
                QCOMPARE(cells[v + 8]->x(), cells[v]->geometry().right() + 1);
            }
        }
    }

    double cellShare() const {
        double cellArea = 0;
        for (QWidget* cell : cellWidgets(program_->session())) {
            cellArea += cell->width() * cell->height();
        }
        return cellArea / (client()->width() * client()->height());
    }

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);  // settings of the tests' own, not the user's
    }

    void init() {
        storeWindowGeometry({});
        storeBoardLayout(BoardLayout::Large);
        program_ = std::make_unique<DesktopProgram>();
        answerer_ = std::make_unique<testing::ModalAnswerer>();
        mainWidget()->show();
        QVERIFY(QTest::qWaitForWindowExposed(mainWidget()));
    }

    void cleanup() {
        program_.reset();
        answerer_.reset();
    }

    void opensWithinTheScreenAtMostAtTheClassicSize() {
        const QRect free = mainWidget()->screen()->availableGeometry();
        QVERIFY(mainWidget()->width() <= free.width());
        QVERIFY(mainWidget()->height() <= free.height());
        QVERIFY(client()->width() <= 1024 && client()->height() <= 700);
        QCOMPARE(client()->minimumSize(), QSize(614, 420));
    }

    void everyGameFitsCentredSeamlessAndLegibleAtEverySize() {
        for (const BoardLayout layout : {BoardLayout::Large, BoardLayout::Classic}) {
            setBoardLayout(program_->session(), layout);
            for (const GameOnScreen& game : kGames) {
                start(game.command);
                for (const QSize size : kSizes) {
                    resizeTo(size);
                    const QString what = QString("%1%2").arg(game.name).arg(
                        layout == BoardLayout::Large ? ", large" : ", classic");
                    const int d = program_->session().state.dimension;
                    checkFitsAndLegible(qPrintable(what), layout == BoardLayout::Large && d <= 3);
                    checkSeamless();
                    qInfo("cells' share, %s, %d x %d: %.1f %%", qPrintable(what), size.width(), size.height(),
                          100 * cellShare());
                    if (layout == BoardLayout::Large && d == 2 && size.width() >= 1024) {
                        QVERIFY(cellShare() >= 0.35);
                    }
                    if (layout == BoardLayout::Large && d == 3 && size == QSize(1920, 1050)) {
                        QVERIFY(cellShare() >= 0.45);
                    }
                }
            }
        }
    }

    // From the menu, in the middle of a game: the cells move, the stones and labels stay.
    void theLargeBoardSwitchesFromTheDisplayMenu() {
        QAction* item = testing::findAction(mainWidget()->menuBar(), "大きい盤");
        QVERIFY(item != nullptr && item->isCheckable());
        start(102);
        qobject_cast<QPushButton*>(platform::controlWidget(program_->session().view.cellButtons[27]))
            ->click();
        resizeTo({1366, 700});
        QWidget* cell = platform::controlWidget(program_->session().view.cellButtons[27]);
        const QRect large = cell->geometry();
        QVERIFY(item->isChecked());
        item->trigger();
        QVERIFY(!item->isChecked());
        QCOMPARE(program_->session().boardLayout, BoardLayout::Classic);
        QVERIFY(cell->width() < large.width() / 2);
        QCOMPARE(qobject_cast<QPushButton*>(cell)->text(), QString("■"));
        checkFitsAndLegible("after the switch", false);
        item->trigger();
        QCOMPARE(cell->geometry(), large);
    }

    void theWindowAndTheLargeBoardAreRemembered() {
        mainWidget()->setGeometry(60, 40, 700, 500);
        QTRY_COMPARE(mainWidget()->geometry(), QRect(60, 40, 700, 500));
        sendCommand(program_->window(), command_id::LargeBoard);
        program_.reset();  // the place is stored as the program ends
        program_ = std::make_unique<DesktopProgram>();
        QCOMPARE(program_->session().boardLayout, BoardLayout::Classic);
        QCOMPARE(mainWidget()->geometry(), QRect(60, 40, 700, 500));
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
