// The desktop program as a user meets it: its window, menu, cell buttons, track bars, result
// boxes, and the command door, with real widgets on the offscreen platform.

#include "desktop_program.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>

#include "application_identity.h"
#include "desktop/client_size.h"
#include "desktop/menu_lookup.h"
#include "desktop/modal_answerer.h"
#include "desktop/socket_client.h"
#include "display_settings.h"
#include "engine/enclosure.h"
#include "game/opening_game.h"
#include "level_setting.h"
#include "platform/cell_look.h"
#include "platform/qt/qt_access.h"
#include "ui/command_routing.h"
#include "ui/main_window.h"

using namespace kalvenor;

namespace {

using kalvenor::testing::findAction;

QString textOf(platform::ControlHandle control) {
    return QString::fromStdString(platform::controlText(control));
}

// What Orca says unprompted, as the window last gave it to the platform's accessibility: the name
// of the notification in a status bar (Orca leaves out the role's name there), which the window
// tells shown with each new text. Empty when the window has none.
QString lastAnnouncement(QWidget* window) {
    std::vector<QAccessibleInterface*> toVisit{QAccessible::queryAccessibleInterface(window)};
    while (!toVisit.empty()) {
        QAccessibleInterface* node = toVisit.back();
        toVisit.pop_back();
        if (node == nullptr) {
            continue;
        }
        if (node->role() == QAccessible::Notification && node->parent() != nullptr &&
            node->parent()->role() == QAccessible::StatusBar) {
            return node->text(QAccessible::Name);
        }
        for (int child = 0; child < node->childCount(); ++child) {
            toVisit.push_back(node->child(child));
        }
    }
    return {};
}

}  // namespace

class DesktopProgramTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir folder_;  // the runtime folder of the door, and the current folder for the record
    QString previousFolder_;
    std::unique_ptr<DesktopProgram> program_;

    QWidget* client() const { return platform::clientAreaWidget(program_->window()); }

    void choose(const QString& menuText) {
        QAction* action = findAction(platform::mainWindowWidget(program_->window())->menuBar(), menuText);
        QVERIFY2(action != nullptr, qPrintable(menuText));
        action->trigger();
    }

    // A key pressed on the main window, as a person presses it with the window in front.
    void pressOnWindow(Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QMainWindow* window = platform::mainWindowWidget(program_->window());
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, key, modifiers);
    }

    // Clicks the widget that stands at (x, y) of the client area, as the mouse would.
    QWidget* clickAt(int x, int y) {
        QWidget* widget = client()->childAt(x, y);
        if (widget != nullptr) {
            QTest::mouseClick(widget, Qt::LeftButton, {}, widget->mapFrom(client(), QPoint(x, y)));
        }
        return widget;
    }

    // The cell button of a two-axis board at column a, row b.
    QPushButton* clickCell2d(int a, int b) {
        return qobject_cast<QPushButton*>(clickAt(25 * a + 12, 25 * b + 12));
    }

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);     // settings of the tests' own, not the user's
        storeLanguageChoice(LanguageChoice::System);  // whatever a run cut short left behind
        QVERIFY(folder_.isValid());
        ::setenv("XDG_RUNTIME_DIR", folder_.path().toLocal8Bit().constData(), 1);
        previousFolder_ = QDir::currentPath();
        QDir::setCurrent(folder_.path());
    }

    void cleanupTestCase() { QDir::setCurrent(previousFolder_); }

    // The classic layout at the classic size, where these tests click by position.
    void init() {
        storeBoardLayout(BoardLayout::Classic);
        program_ = std::make_unique<DesktopProgram>();
        QVERIFY(program_->hasWindow());
        QCOMPARE(program_->door().state(), CommandDoor::State::Open);
        platform::mainWindowWidget(program_->window())->show();
        QVERIFY(QTest::qWaitForWindowExposed(platform::mainWindowWidget(program_->window())));
        QVERIFY(
            testing::setClientSize(platform::mainWindowWidget(program_->window()), client(), {1024, 700}));
    }

    void cleanup() { program_.reset(); }

    void startsWithTheStartScreenAndItsMenu() {
        QMainWindow* window = platform::mainWindowWidget(program_->window());
        QCOMPARE(window->windowTitle(), QString("Kalvenor [ version 1.0 ]"));
        QVERIFY(findAction(window->menuBar(), "２次元") && findAction(window->menuBar(), "３次元") &&
                findAction(window->menuBar(), "４次元") && findAction(window->menuBar(), "終了"));
        QCOMPARE(window->menuBar()->actions().last()->text(), QString("バージョン情報"));
        auto* credit = qobject_cast<QLabel*>(client()->childAt(440 + 150, 140 + 15));
        QVERIFY(credit != nullptr);
        QCOMPARE(credit->text(), QString("Tarnwell"));
        // Every label of the start screen shows its whole text.
        for (QLabel* label : client()->findChildren<QLabel*>()) {
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) < label->contentsRect().width(),
                     qPrintable(label->text()));
        }
    }

    void theProgramShowsItsOwnIcon() {
        identifyApplication();
        QCOMPARE(QGuiApplication::desktopFileName(), QString(kApplicationId));
        QVERIFY(!QApplication::windowIcon().pixmap(32).isNull());
    }

    // A saved game named on the command line goes the way of 読込…: loaded, or refused with the
    // same box while the start screen stays.
    void aSavedGameGivenAtStartIsLoadedOrRefused() {
        testing::ModalAnswerer answerer;
        QVERIFY(!program_->openSavedGame(folder_.filePath("missing.gd").toStdString()));
        QCOMPARE(answerer.messageBoxes().size(), std::size_t{1});
        QCOMPARE(answerer.messageBoxes()[0].caption, QString("Can not Open File"));
        QCOMPARE(program_->session().state.dimension, 0);

        const SavedGame opening = standardOpeningGame(5, GameMode::CpuVsCpu);
        const std::string path = folder_.filePath("opening5.gd").toStdString();
        QVERIFY(writeSavedGame(path, opening.header, opening.board).ok());
        QVERIFY(program_->openSavedGame(path));
        QCOMPARE(program_->session().state.dimension, 5);
        QCOMPARE(program_->session().state.mode, GameMode::CpuVsCpu);

        // A changed game, such as one brought back from the last run, is asked about first.
        const SavedGame twoAxes = standardOpeningGame(2, GameMode::HumanVsHuman);
        const std::string twoAxesPath = folder_.filePath("opening2.gd").toStdString();
        QVERIFY(writeSavedGame(twoAxesPath, twoAxes.header, twoAxes.board).ok());
        QVERIFY(program_->openSavedGame(twoAxesPath));
        clickCell2d(0, 0);
        const int emptyAfterTheMove = program_->session().board->count(CellState::Empty);
        answerer.queueButton(QMessageBox::Cancel);
        QVERIFY(!program_->openSavedGame(path));
        QCOMPARE(program_->session().state.dimension, 2);
        QCOMPARE(program_->session().board->count(CellState::Empty), emptyAfterTheMove);
        answerer.queueButton(QMessageBox::Discard);
        QVERIFY(program_->openSavedGame(path));
        QCOMPARE(program_->session().state.dimension, 5);
        QCOMPARE(answerer.messageBoxes().back().caption, QString("保存の確認"));
    }

    void theComputersLevelIsRememberedBetweenRuns() {
        sendCommand(program_->window(), command_id::StrongLevel);
        program_ = std::make_unique<DesktopProgram>();
        QCOMPARE(program_->session().cpuLevel, CpuLevel::Strong);
        sendCommand(program_->window(), command_id::StandardLevel);
        program_ = std::make_unique<DesktopProgram>();
        QCOMPARE(program_->session().cpuLevel, CpuLevel::Standard);
    }

    // No text is cut off at the classic size, in either language: the start screen, a new view of
    // every game, and a move of the computers (the longest move texts, on eight axes).
    void everyTextFitsItsControlInBothLanguages() {
        testing::ModalAnswerer answerer;  // who moves first: Yes; the results: OK
        const int margin = 2 * client()->style()->pixelMetric(QStyle::PM_ButtonMargin);
        const auto checkFit = [&](const QString& where) {
            for (QLabel* label : client()->findChildren<QLabel*>()) {
                const int width = label->fontMetrics().horizontalAdvance(label->text());
                QVERIFY2(width <= label->contentsRect().width(), qPrintable(where + ": " + label->text()));
            }
            for (QPushButton* button : client()->findChildren<QPushButton*>()) {
                if (button->width() == 0) {
                    continue;  // a control that takes no room (the pass button of a new game)
                }
                const int width = button->fontMetrics().horizontalAdvance(button->text());
                QVERIFY2(width <= button->contentsRect().width() - margin,
                         qPrintable(where + ": " + button->text()));
            }
        };
        for (const int language : {command_id::English, command_id::Japanese}) {
            sendCommand(program_->window(), language);
            checkFit("start screen");
            for (const int id : {102, 104, 106, 108, 110, 112, 114, 101, 103, 105, 107,
                                 109, 111, 113, 120, 121, 122, 123, 124, 125, 126}) {
                sendCommand(program_->window(), id);
                if (id >= 120) {
                    auto* step = qobject_cast<QPushButton*>(
                        platform::controlWidget(program_->session().view.vsControls.at(1)));
                    QTest::mouseClick(step, Qt::LeftButton);
                }
                checkFit(QString::number(id));
            }
        }
    }

    // The language is remembered between runs, and Qt's own buttons speak it too.
    void theLanguageIsRememberedAndQtsOwnButtonsFollowIt() {
        sendCommand(program_->window(), command_id::SystemLanguage);
        program_ = std::make_unique<DesktopProgram>();
        QCOMPARE(program_->session().languageChoice, LanguageChoice::System);
        QCOMPARE(displayLanguage(), Language::Japanese);  // the tests run without a locale
        const auto yesButtonText = [this] {
            testing::ModalAnswerer answerer;
            sendCommand(program_->window(), command_id::Record);
            const testing::ShownMessageBox& box = answerer.messageBoxes().at(0);
            return box.buttonTexts.at(box.buttons.indexOf(QMessageBox::Yes));
        };
        QVERIFY2(yesButtonText().startsWith("はい"), qPrintable(yesButtonText()));
        choose("English");
        QCOMPARE(displayLanguage(), Language::English);
        QVERIFY(findAction(platform::mainWindowWidget(program_->window())->menuBar(), "Two players") !=
                nullptr);
        QCOMPARE(yesButtonText(), QString("&Yes"));
        program_ = std::make_unique<DesktopProgram>();
        QCOMPARE(program_->session().languageChoice, LanguageChoice::English);
        QCOMPARE(displayLanguage(), Language::English);
        sendCommand(program_->window(), command_id::Japanese);
        QCOMPARE(displayLanguage(), Language::Japanese);
        program_ = std::make_unique<DesktopProgram>();
        QCOMPARE(program_->session().languageChoice, LanguageChoice::Japanese);
    }

    // Two people on two axes: four of each side in rows 0 and 2 leave First to move with a cell to
    // win (gold) and a cell to block (magenta) on screen; F1 opens the rules, Ctrl+N and F2 start
    // the same kind of game again.
    void threatMarksTheRulesWindowAndANewGameOfTheSameKind() {
        program_->session().options.threatMarks = true;
        choose("２次元");
        for (int column = 0; column < 4; ++column) {
            clickCell2d(column, 0);
            clickCell2d(column, 2);
        }
        const auto colourAt = [this](int a, int b) {
            const QImage image = client()->grab(QRect(25 * a, 25 * b, 25, 25)).toImage();
            return image.pixelColor(12, 12);
        };
        const auto expected = [](platform::CellHighlight highlight) {
            const platform::cell_look::Rgb rgb = platform::cell_look::highlightColour(highlight);
            return QColor(rgb.red, rgb.green, rgb.blue);
        };
        QCOMPARE(colourAt(4, 0), expected(platform::CellHighlight::ThreatWin));
        QCOMPARE(colourAt(4, 2), expected(platform::CellHighlight::ThreatBlock));
        QCOMPARE(colourAt(5, 5), QColor(222, 184, 120));  // an unmarked cell keeps the board's colour

        pressOnWindow(Qt::Key_F1, Qt::NoModifier);
        const QWidgetList windows = QApplication::topLevelWidgets();
        QVERIFY(std::any_of(windows.begin(), windows.end(), [](const QWidget* window) {
            return window->isVisible() && window->windowTitle() == QString("遊び方");
        }));

        // The changed game is named in the title, and asked about before a new game throws it
        // away: Cancel keeps it, 保存しない goes on.
        QMainWindow* window = platform::mainWindowWidget(program_->window());
        QCOMPARE(window->windowTitle(), QString("無題* — Kalvenor [ version 1.0 ]"));
        testing::ModalAnswerer answerer;
        answerer.queueButton(QMessageBox::Cancel);
        pressOnWindow(Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(program_->session().board->count(CellState::Empty), 56);
        for (const Qt::Key key : {Qt::Key_N, Qt::Key_F2}) {
            answerer.queueButton(QMessageBox::Discard);
            pressOnWindow(key, key == Qt::Key_N ? Qt::ControlModifier : Qt::NoModifier);
            const Session& session = program_->session();
            QCOMPARE(session.state.dimension, 2);
            QCOMPARE(session.state.mode, GameMode::HumanVsHuman);
            QCOMPARE(session.board->count(CellState::Empty), 64);
            QCOMPARE(window->windowTitle(), QString("Kalvenor [ version 1.0 ]"));
            clickCell2d(0, 0);  // a stone, so that the next key is seen to clear it
        }
        QCOMPARE(answerer.messageBoxes().size(), std::size_t{3});
        const testing::ShownMessageBox& box = answerer.messageBoxes()[0];
        QCOMPARE(box.caption, QString("保存の確認"));
        QCOMPARE(box.buttons.size(), 3);
        const auto textOfButton = [&box](QMessageBox::StandardButton button) {
            const qsizetype index = box.buttons.indexOf(button);
            return index < 0 ? QString() : box.buttonTexts.at(index);
        };
        // Qt's own words, from the translations the program loads.
        QCOMPARE(textOfButton(QMessageBox::Save), QString("保存"));
        QVERIFY2(!textOfButton(QMessageBox::Discard).isEmpty(), qPrintable(box.buttonTexts.join('|')));
        QVERIFY2(textOfButton(QMessageBox::Cancel).startsWith("キャンセル"),
                 qPrintable(box.buttonTexts.join('|')));
    }

    void aTwoAxisGameIsPlayedToFiveWithTheMouse() {
        testing::ModalAnswerer answerer;
        choose("２次元");
        QCOMPARE(program_->session().state.dimension, 2);
        // First plays down column 0, Second down column 1; First's fifth stone completes the row.
        for (int row = 0; row < 4; ++row) {
            QCOMPARE(clickCell2d(0, row)->text(), QString("■"));
            QCOMPARE(clickCell2d(1, row)->text(), QString("□"));
        }
        QVERIFY(answerer.messageBoxes().empty());
        QString saidAtTheBox;  // the winning move is said before the result box holds the window
        answerer.whenABoxShows(
            [&] { saidAtTheBox = lastAnnouncement(platform::mainWindowWidget(program_->window())); });
        clickCell2d(0, 4);
        QCOMPARE(saidAtTheBox, QString("縦:5  横:1  先手の石 ■"));
        QCOMPARE(answerer.messageBoxes().size(), std::size_t{1});
        QCOMPARE(answerer.messageBoxes()[0].text, QString("先手のプレイヤーの勝利です"));
        QCOMPARE(answerer.messageBoxes()[0].caption, QString("ゲーム終了"));
        QVERIFY(!program_->session().state.inProgress);
        // The finished game stays on screen, and a click on it changes nothing.
        QCOMPARE(clickCell2d(3, 3)->text(), QString());
        QCOMPARE(answerer.messageBoxes().size(), std::size_t{1});
    }

    void theTimeAxisTrackBarShowsAnotherSliceOfAFourAxisBoard() {
        choose("４次元");
        Session& session = program_->session();
        QCOMPARE(session.state.viewOffset, 1536);
        // A stone in the first cell of the slice on show (cell 1536).
        QCOMPARE(clickCell2d(0, 0)->text(), QString("■"));

        auto* slider = qobject_cast<QSlider*>(client()->childAt(350 + 100, 550 + 15));
        QVERIFY(slider != nullptr);
        QCOMPARE(slider->value(), 4);
        QStyleOptionSlider option;
        option.initFrom(slider);
        option.minimum = slider->minimum();
        option.maximum = slider->maximum();
        option.sliderPosition = option.sliderValue = slider->value();
        option.tickPosition = slider->tickPosition();
        const QPoint thumb = slider->style()
                                 ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider)
                                 .center();
        QTest::mousePress(slider, Qt::LeftButton, {}, thumb);
        QTest::mouseMove(slider, QPoint(0, thumb.y()));
        QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(0, thumb.y()));

        QCOMPARE(slider->value(), 1);
        QCOMPARE(session.state.viewOffset, 0);  // cells 0 .. 511
        QCOMPARE(textOf(axisGroup(session.view, 0).value), QString("1"));
        QCOMPARE(qobject_cast<QPushButton*>(client()->childAt(12, 12))->text(), QString());
        QCOMPARE(textOf(session.view.cellButtons[0]), QString());

        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_End);
        QCOMPARE(session.state.viewOffset, 3584);  // cells 3,584 .. 4,095
        QCOMPARE(textOf(axisGroup(session.view, 0).value), QString("8"));
        for (int step = 0; step < 4; ++step) {
            QTest::keyClick(slider, Qt::Key_Left);
        }
        QCOMPARE(session.state.viewOffset, 1536);
        QCOMPARE(textOf(session.view.cellButtons[0]), QString("■"));
    }

    // Keys go where a person's keys go: to the widget that has the focus.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus != nullptr);
        QTest::keyClick(focus, key, modifiers);
    }

    static QString accessibleName(QWidget* widget) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        return accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
    }

    // How many pixels of the cell show the cursor's frame colour.
    static int cursorPixels(QWidget* cell) {
        const QImage picture = cell->grab().toImage();
        const QColor frame(platform::cell_look::cursorFrame.red, platform::cell_look::cursorFrame.green,
                           platform::cell_look::cursorFrame.blue);
        int count = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                count += QColor(picture.pixel(x, y)) == frame ? 1 : 0;
            }
        }
        return count;
    }

    void theKeyboardAlonePlaysAndReachesEveryControl() {
        QMainWindow* window = platform::mainWindowWidget(program_->window());
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        choose("２次元");
        Session& session = program_->session();
        // The board has the focus at its middle; the frame shows once the keyboard is used.
        QWidget* cursor = QApplication::focusWidget();
        QCOMPARE(cursor, platform::controlWidget(session.view.cellButtons[27]));
        QCOMPARE(cursorPixels(cursor), 0);
        QCOMPARE(accessibleName(cursor), QString("縦:4  横:4  空き"));
        press(Qt::Key_Right);
        press(Qt::Key_Down);
        cursor = QApplication::focusWidget();
        QCOMPARE(cursor, platform::controlWidget(session.view.cellButtons[36]));
        QVERIFY(cursorPixels(cursor) > 0);
        press(Qt::Key_Return);
        QCOMPARE(textOf(session.view.cellButtons[36]), QString("■"));
        QCOMPARE(accessibleName(cursor), QString("縦:5  横:5  先手の石 ■"));
        QCOMPARE(cursor->accessibleDescription(), QString("最後の手"));
        QCOMPARE(lastAnnouncement(window), QString("縦:5  横:5  先手の石 ■"));
        press(Qt::Key_Space);  // the same cell again: refused as a click there is
        QCOMPARE(session.state.sideToMove, CellState::Second);
        press(Qt::Key_Left);
        sendCommand(program_->window(), command_id::English);
        press(Qt::Key_Space);
        QCOMPARE(textOf(session.view.cellButtons[28]), QString("□"));
        QCOMPARE(lastAnnouncement(window), QString("Row:5  Column:4  second player's stone □"));
        QCOMPARE(platform::controlWidget(session.view.cellButtons[28]), QApplication::focusWidget());
        sendCommand(program_->window(), command_id::Japanese);

        // Tab leaves the board for the guide buttons and comes back to the cursor.
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), platform::controlWidget(session.view.guideControls[1]));
        press(Qt::Key_Tab);
        press(Qt::Key_Space);
        QCOMPARE(session.state.guideLevel, 1);
        QCOMPARE(cursorPixels(platform::controlWidget(session.view.cellButtons[28])), 0);
        press(Qt::Key_Tab, Qt::ShiftModifier);
        press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), platform::controlWidget(session.view.cellButtons[28]));
        // A mouse click hides the frame again.
        clickCell2d(0, 0);
        QCOMPARE(cursorPixels(platform::controlWidget(session.view.cellButtons[28])), 0);

        // On four axes Q and A move the time axis's track bar with the cursor's slice. (The game
        // on screen has stones; the question before giving it up is another test's.)
        session.fileHandling.askBeforeDiscarding = false;
        choose("４次元");
        QCOMPARE(session.state.viewOffset, 1536);
        press(Qt::Key_Q);
        QCOMPARE(session.state.viewOffset, 2048);
        QCOMPARE(textOf(axisGroup(session.view, 0).value), QString("5"));
        press(Qt::Key_PageDown);
        press(Qt::Key_Return);
        QCOMPARE((*session.board)[2048 + 219 + 64], CellState::First);
    }

    // The game menu as a person opens it: the bar's entry, then the pop-up, then the item.
    void aGameAgainstTheComputerFromTheGameMenu() {
        testing::ModalAnswerer answerer;
        answerer.queueButton(QMessageBox::Yes);  // 先攻ですか？
        QMenuBar* bar = platform::mainWindowWidget(program_->window())->menuBar();
        QAction* game = findAction(bar, "ゲーム");
        QVERIFY(game != nullptr && game->menu() != nullptr);
        bar->setActiveAction(game);
        QTRY_VERIFY(game->menu()->isVisible());
        QAction* againstCpu = findAction(game->menu(), "対CPU戦");
        QVERIFY(againstCpu != nullptr && againstCpu->menu() != nullptr);
        game->menu()->setActiveAction(againstCpu);
        QTRY_VERIFY(againstCpu->menu()->isVisible());
        QAction* threeAxes = findAction(againstCpu->menu(), "３次元");
        QVERIFY(threeAxes != nullptr);
        threeAxes->trigger();
        game->menu()->close();

        Session& session = program_->session();
        QCOMPARE(session.state.dimension, 3);
        QCOMPARE(session.state.mode, GameMode::HumanVsCpu);
        QCOMPARE(answerer.messageBoxes().size(), std::size_t{1});
        QCOMPARE(answerer.messageBoxes()[0].text, QString("先攻ですか？"));
        QCOMPARE(session.board->count(CellState::First), 4);  // the standard opening

        // The first cell where ■ encloses something, clicked where a person sees it.
        std::int32_t legal = 0;
        while (!isLegalMove(*session.board, legal, CellState::First)) {
            ++legal;
        }
        const int layer = legal / 64;
        const int column = (legal / 8) % 8;
        const int row = legal % 8;
        clickAt(230 * (layer % 4) + 25 * column + 12, 270 * (layer / 4) + 25 * row + 12);
        QCOMPARE(session.state.turnNumberOf(CellState::First), 2);
        const QString reply = textOf(session.view.infoLabels[1]);
        QVERIFY(reply.startsWith(" □ cpu choice: "));  // the computer answered
        // Said in one go, so that the reply does not cut the person's move short: the stone
        // placed and the stones turned, then the reply's.
        const QString said = lastAnnouncement(platform::mainWindowWidget(program_->window()));
        const QRegularExpression moves(
            "^縦:\\d  横:\\d  高さ:\\d  先手の石 ■  \\d+個返った。  (縦.*)  後手の石 □  \\d+個返った。$");
        const QRegularExpressionMatch match = moves.match(said);
        QVERIFY2(match.hasMatch(), qPrintable(said));
        QCOMPARE(match.captured(1), reply.mid(QString(" □ cpu choice: ").size()));
    }

    void shortcutsOpenTheFileDialogsAndSavingAddsTheExtension() {
        testing::ModalAnswerer answerer;
        choose("２次元");
        answerer.queueFile(folder_.filePath("mysave"));
        pressOnWindow(Qt::Key_S, Qt::ControlModifier);
        QTRY_COMPARE(answerer.fileDialogs().size(), std::size_t{1});
        QCOMPARE(answerer.fileDialogs()[0].title, QString("Game Data Save"));
        QVERIFY(QFile::exists(folder_.filePath("mysave.gd")));

        // Saving there again asks first; No goes back to the dialog, here cancelled.
        answerer.queueFile(folder_.filePath("mysave"));
        answerer.queueButton(QMessageBox::No);
        pressOnWindow(Qt::Key_S, Qt::ControlModifier);
        QTRY_COMPARE(answerer.fileDialogs().size(), std::size_t{3});
        QCOMPARE(answerer.messageBoxes().size(), std::size_t{1});
        QCOMPARE(answerer.messageBoxes()[0].caption, QString("上書き確認"));

        pressOnWindow(Qt::Key_O, Qt::ControlModifier);
        QTRY_COMPARE(answerer.fileDialogs().size(), std::size_t{4});
        QCOMPARE(answerer.fileDialogs()[3].title, QString("Game Data Load"));
    }

    void theRecordItemIsCheckedWhileTheRecordIsOn() {
        testing::ModalAnswerer answerer;
        QMenuBar* bar = platform::mainWindowWidget(program_->window())->menuBar();
        QAction* record = findAction(bar, "棋譜機能");
        QVERIFY(record != nullptr && record->isCheckable());
        QVERIFY(!record->isChecked());
        answerer.queueButton(QMessageBox::Yes);
        record->trigger();
        QVERIFY(program_->session().state.recordEnabled);
        QVERIFY(record->isChecked());
        answerer.queueButton(QMessageBox::No);  // asked to switch it off, the person says no
        record->trigger();
        QVERIFY(program_->session().state.recordEnabled);
        QVERIFY(record->isChecked());
        // However the switch changes (a record file that fails switches it off), the mark follows
        // when the menu opens.
        program_->session().state.recordEnabled = false;
        QAction* game = findAction(bar, "ゲーム");
        bar->setActiveAction(game);
        QTRY_VERIFY(game->menu()->isVisible());
        QVERIFY(!record->isChecked());
        game->menu()->close();
    }

    // Stones are drawn as stones: the centre of a ■ and of a □ cell differ clearly from an empty one.
    void stonesAreDrawnAsDiscs() {
        choose("２次元");
        clickCell2d(0, 0);
        clickCell2d(1, 0);
        const QImage picture = client()->grab().toImage();
        const auto centre = [&](int a, int b) { return QColor(picture.pixel(25 * a + 12, 25 * b + 12)); };
        const auto distance = [](const QColor& x, const QColor& y) {
            return std::abs(x.red() - y.red()) + std::abs(x.green() - y.green()) +
                   std::abs(x.blue() - y.blue());
        };
        const QColor empty = centre(4, 4);
        QVERIFY2(distance(centre(0, 0), empty) > 200, "a black stone stands out");
        QVERIFY2(distance(centre(1, 0), empty) > 60, "a white stone stands out");
        QVERIFY2(distance(centre(0, 0), centre(1, 0)) > 300, "black and white differ");
    }

    void commandsFromOutsideRunAsMenuCommands() {
        const QString socket = QFile::decodeName(program_->door().socketPath().c_str());
        QCOMPARE(testing::exchangeWithDoor(socket, "121\n"), QByteArray("ok\n"));
        Session& session = program_->session();
        QTRY_COMPARE(session.state.dimension, 3);
        QCOMPARE(session.state.mode, GameMode::CpuVsCpu);
        auto* caption = qobject_cast<QLabel*>(client()->childAt(100, 515));
        QVERIFY(caption != nullptr);
        QCOMPARE(caption->text(), QString("３次元：CPU vs CPU"));
        auto* step = qobject_cast<QPushButton*>(client()->childAt(950, 45));
        QVERIFY(step != nullptr);
        QCOMPARE(step->text(), QString("一手進む"));
    }

    void aBadMessageToTheDoorIsRefusedAndChangesNothing() {
        choose("２次元");
        clickCell2d(2, 2);
        const QString socket = QFile::decodeName(program_->door().socketPath().c_str());
        for (const QByteArray& bad : {QByteArray("102x\n"), QByteArray("0\n"), QByteArray("99999\n")}) {
            const QByteArray reply = testing::exchangeWithDoor(socket, bad);
            QVERIFY2(reply.startsWith("error: "), reply.constData());
        }
        QTest::qWait(50);
        const Session& session = program_->session();
        QCOMPARE(session.state.dimension, 2);
        QVERIFY(session.state.inProgress);
        QCOMPARE(textOf(session.view.cellButtons[8 * 2 + 2]), QString("■"));
    }

    void kalvenorCommandPrintsTheAnswerAndExitsByIt() {
        struct Run {
            int exitCode;
            QByteArray output;
        };
        const auto runCommand = [](const QStringList& arguments) {
            QProcess process;
            process.start(KALVENOR_COMMAND_PROGRAM, arguments);
            // The door answers from this process's event loop, so keep it turning while waiting.
            [&] { QTRY_VERIFY_WITH_TIMEOUT(process.state() == QProcess::NotRunning, 20000); }();
            return Run{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                       process.readAllStandardOutput()};
        };
        Run run = runCommand({"104"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.output, QByteArray("ok\n"));
        QTRY_COMPARE(program_->session().state.dimension, 3);

        run = runCommand({"4x"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.output.startsWith("error: "));
        QCOMPARE(runCommand({}).exitCode, 2);
        QCOMPARE(runCommand({"1", "2"}).exitCode, 2);

        program_.reset();  // no program listens any more
        QCOMPARE(runCommand({"102"}).exitCode, 1);
    }

    void closingTheWindowEndsTheProgram() {
        QTimer::singleShot(0, [this] { platform::mainWindowWidget(program_->window())->close(); });
        QCOMPARE(program_->run(), 0);
        QVERIFY(!program_->session().board.has_value());
    }

    // Ctrl+Q in the middle of a game against the computer on four axes, and a new start shows it
    // again, ready for the person's move, with the move to take back.
    void aGameComesBackAfterCtrlQ() {
        const std::filesystem::path stateFolder = folder_.filePath("state").toStdString();
        program_ = std::make_unique<DesktopProgram>(stateFolder);
        testing::ModalAnswerer answerer;
        answerer.queueButton(QMessageBox::Yes);  // 先攻ですか？
        sendCommand(program_->window(), 105);
        Session& before = program_->session();
        std::int32_t legal = before.state.viewOffset;
        while (!isLegalMove(*before.board, legal, CellState::First)) {
            ++legal;
        }
        QTest::mouseClick(platform::controlWidget(before.view.cellButtons[legal - before.state.viewOffset]),
                          Qt::LeftButton);
        QCOMPARE(before.state.turnNumberOf(CellState::First), 2);
        const std::vector<std::uint8_t> board(before.board->bytes().begin(), before.board->bytes().end());
        const GameState state = before.state;
        QTimer::singleShot(0, [this] { pressOnWindow(Qt::Key_Q, Qt::ControlModifier); });
        QCOMPARE(program_->run(), 0);

        program_ = std::make_unique<DesktopProgram>(stateFolder);
        Session& after = program_->session();
        QVERIFY(after.board.has_value());
        QVERIFY(
            std::equal(board.begin(), board.end(), after.board->bytes().begin(), after.board->bytes().end()));
        QVERIFY(after.state == state);
        QCOMPARE(platform::mainWindowWidget(program_->window())->windowTitle(),
                 QString("無題* — Kalvenor [ version 1.0 ]"));  // changed since it started, and no file yet
        sendCommand(program_->window(), command_id::TakeBack);
        QCOMPARE(after.state.turnNumberOf(CellState::First), 1);
    }

    void quitFromTheMenuEndsTheProgram() {
        choose("２次元");
        QTimer::singleShot(0, [this] { choose("終了"); });
        QCOMPARE(program_->run(), 0);
    }
};

QTEST_MAIN(DesktopProgramTest)
#include "desktop_program_test.moc"
