// The Qt backend of the window-system layer, driven through its widgets with a window procedure
// of the test's own.

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTextLayout>
#include <QTimer>
#include <QToolTip>
#include <QtTest>
#include <functional>

#include "desktop/client_size.h"
#include "desktop/menu_lookup.h"
#include "desktop/modal_answerer.h"
#include "platform/qt/qt_access.h"
#include "platform/window_system.h"

using namespace kalvenor::platform;

namespace {

struct Event {
    unsigned message;
    WParam first;
    LParam second;
};

// What the procedure heard, and what it does on a command.
struct Recorder {
    std::vector<Event> events;
    std::function<void(WindowHandle, const Event&)> onEvent;
    std::vector<ControlHandle> createdOnCreate;
};

std::intptr_t recordingProc(WindowHandle window, unsigned message, WParam first, LParam second) {
    auto& recorder = *static_cast<Recorder*>(windowUserData(window));
    const Event event{message, first, second};
    recorder.events.push_back(event);
    if (message == message::Create) {
        recorder.createdOnCreate.push_back(
            createControl(window, ControlKind::LeftLabel, "start", {0, 0, 100, 30}));
    }
    if (recorder.onEvent) {
        recorder.onEvent(window, event);
    }
    return 0;
}

MainWindowDesc gameWindowDesc() {
    MainWindowDesc desc;
    desc.title = "Kalvenor [ version 1.0 ]";
    desc.width = 1024;
    desc.height = 750;
    desc.menuBar = {
        menuPopup("メニュー", {menuPopup("対人戦", {menuCommand("２次元", 102), menuCommand("３次元", 104)}),
                               menuCommand("終了", 255)}),
        menuCommand("バージョン情報", 254)};
    return desc;
}

std::vector<Event> eventsOf(const Recorder& recorder, unsigned message) {
    std::vector<Event> found;
    for (const Event& event : recorder.events) {
        if (event.message == message) {
            found.push_back(event);
        }
    }
    return found;
}

// (code, position) of every HScroll heard since `from`.
std::vector<std::pair<int, int>> scrollsSince(const Recorder& recorder, std::size_t from) {
    std::vector<std::pair<int, int>> found;
    for (std::size_t i = from; i < recorder.events.size(); ++i) {
        if (recorder.events[i].message == message::HScroll) {
            found.emplace_back(lowWord(recorder.events[i].first), highWord(recorder.events[i].first));
        }
    }
    return found;
}

using kalvenor::testing::findAction;

}  // namespace

class QtBackendTest : public QObject {
    Q_OBJECT

  private:
    Recorder recorder_;
    WindowHandle window_ = nullptr;

  private slots:
    void init() {
        recorder_ = Recorder{};
        window_ = createMainWindow(gameWindowDesc(), recordingProc, &recorder_);
        QVERIFY(window_ != nullptr);
        mainWindowWidget(window_)->show();
        QVERIFY(QTest::qWaitForWindowExposed(mainWindowWidget(window_)));
        // The classic size, where the layout's units are pixels.
        QVERIFY(kalvenor::testing::setClientSize(mainWindowWidget(window_), clientAreaWidget(window_),
                                                 {1024, 700}));
    }

    void cleanup() {
        destroyMainWindow(window_);
        window_ = nullptr;
    }

    // As in the headless backend: a Create answered with -1 refuses the window.
    void aRefusedCreateGivesNoWindow() {
        auto refuse = [](WindowHandle window, unsigned message, WParam, LParam) -> std::intptr_t {
            createControl(window, ControlKind::LeftLabel, "made before the refusal", {0, 0, 100, 30});
            return message == message::Create ? -1 : 0;
        };
        QCOMPARE(createMainWindow(gameWindowDesc(), refuse, nullptr), nullptr);
        QCOMPARE(createMainWindow(gameWindowDesc(), nullptr, nullptr), nullptr);
    }

    void createSendsCreateFirstAndTheWindowHoldsTheLayout() {
        QCOMPARE(recorder_.events.front().message, message::Create);
        QVERIFY(recorder_.createdOnCreate.front() != nullptr);
        QCOMPARE(mainWindowWidget(window_)->windowTitle(), QString("Kalvenor [ version 1.0 ]"));
    }

    void menuCommandsCarryTheirIdAndNoControl() {
        QMenuBar* bar = mainWindowWidget(window_)->menuBar();
        QCOMPARE(bar->actions().size(), 2);
        QCOMPARE(bar->actions()[0]->text(), QString("メニュー"));
        QVERIFY(bar->actions()[0]->menu() != nullptr);
        QCOMPARE(bar->actions()[1]->text(), QString("バージョン情報"));
        QVERIFY(bar->actions()[1]->menu() == nullptr);  // a command item on the bar itself

        findAction(bar, "３次元")->trigger();
        bar->actions()[1]->trigger();
        const auto commands = eventsOf(recorder_, message::Command);
        QCOMPARE(commands.size(), std::size_t{2});
        QCOMPARE(commands[0].first, makeWParam(104, 0));
        QCOMPARE(commands[0].second, LParam{0});
        QCOMPARE(commands[1].first, makeWParam(254, 0));
    }

    void labelsAreBorderedOneLineAndReportClicks() {
        ControlHandle left = createControl(window_, ControlKind::LeftLabel, " 左", {35, 35, 600, 30});
        ControlHandle centred =
            createControl(window_, ControlKind::CentredLabel, "Tarnwell", {440, 140, 300, 30});
        auto* leftLabel = qobject_cast<QLabel*>(controlWidget(left));
        auto* centredLabel = qobject_cast<QLabel*>(controlWidget(centred));
        QVERIFY(leftLabel != nullptr && centredLabel != nullptr);
        QCOMPARE(leftLabel->geometry(), QRect(35, 35, 600, 30));
        QCOMPARE(leftLabel->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
        QCOMPARE(centredLabel->alignment(), Qt::AlignHCenter | Qt::AlignVCenter);
        QVERIFY(leftLabel->frameShape() == QFrame::Box && !leftLabel->wordWrap());
        QCOMPARE(leftLabel->text(), QString(" 左"));

        QTest::mouseClick(centredLabel, Qt::LeftButton);
        auto commands = eventsOf(recorder_, message::Command);
        QCOMPARE(commands.size(), std::size_t{1});
        QCOMPARE(commands[0].first, makeWParam(0, 0));
        QCOMPARE(toControl(commands[0].second), centred);

        // A double click: the first click, then the double click itself with code 1.
        recorder_.events.clear();
        QTest::mouseClick(leftLabel, Qt::LeftButton);
        QTest::mouseDClick(leftLabel, Qt::LeftButton);
        QTest::mouseRelease(leftLabel, Qt::LeftButton);
        commands = eventsOf(recorder_, message::Command);
        QCOMPARE(commands.size(), std::size_t{2});
        QCOMPARE(commands[0].first, makeWParam(0, 0));
        QCOMPARE(commands[1].first, makeWParam(0, 1));
        QCOMPARE(toControl(commands[1].second), left);
    }

    void aButtonShowsItsText() {
        ControlHandle button = createControl(window_, ControlKind::PushButton, "", {0, 0, 25, 25});
        setControlText(button, "■");
        QCOMPARE(qobject_cast<QPushButton*>(controlWidget(button))->text(), QString("■"));
    }

    // Beyond the control rules (control_contract.cpp): the widget goes at once from the screen and
    // from memory when the event loop runs again.
    void aControlMayBeDestroyedFromItsOwnClick() {
        ControlHandle button = createControl(window_, ControlKind::PushButton, "x", {0, 0, 25, 25});
        recorder_.onEvent = [&](WindowHandle, const Event& event) {
            if (event.message == message::Command && toControl(event.second) == button) {
                destroyControl(button);
            }
        };
        QPointer<QWidget> widget = controlWidget(button);
        QTest::mouseClick(widget, Qt::LeftButton);
        QVERIFY(widget.isNull() || !widget->isVisible());
        QTRY_VERIFY(widget.isNull());
    }

    void trackBarsReportEveryMovementAndEndTracking() {
        ControlHandle bar = createControl(window_, ControlKind::TrackBar, "Track Bar", {350, 550, 200, 30});
        setTrackBarRange(bar, 1, 8);
        setTrackBarPosition(bar, 4);
        auto* slider = qobject_cast<QSlider*>(controlWidget(bar));
        QVERIFY(slider != nullptr);
        QCOMPARE(slider->orientation(), Qt::Horizontal);
        QCOMPARE(slider->tickPosition(), QSlider::TicksAbove);
        QCOMPARE(trackBarPosition(bar), 4);
        QVERIFY(scrollsSince(recorder_, 0).empty());  // setting the position reports nothing

        std::vector<int> positionsSeen;
        recorder_.onEvent = [&](WindowHandle, const Event& event) {
            if (event.message == message::HScroll) {
                QCOMPARE(toControl(event.second), bar);
                positionsSeen.push_back(trackBarPosition(bar));
            }
        };
        slider->setFocus();
        std::size_t mark = recorder_.events.size();
        QTest::keyClick(slider, Qt::Key_Right);
        QCOMPARE(scrollsSince(recorder_, mark), (std::vector<std::pair<int, int>>{{1, 5}, {8, 5}}));
        QCOMPARE(positionsSeen.front(), 5);  // the procedure reads the new position

        mark = recorder_.events.size();
        QTest::keyClick(slider, Qt::Key_Home);
        QTest::keyClick(slider, Qt::Key_End);
        QTest::keyClick(slider, Qt::Key_Left);
        QCOMPARE(scrollsSince(recorder_, mark),
                 (std::vector<std::pair<int, int>>{{6, 1}, {8, 1}, {7, 8}, {8, 8}, {0, 7}, {8, 7}}));

        // Dragging the thumb to the left end: thumb-track while moving, thumb-position on release.
        mark = recorder_.events.size();
        slider->setSliderDown(true);
        slider->setSliderPosition(1);
        slider->setSliderDown(false);
        QCOMPARE(scrollsSince(recorder_, mark), (std::vector<std::pair<int, int>>{{5, 1}, {4, 1}, {8, 1}}));
        QCOMPARE(trackBarPosition(bar), 1);
    }

    void aDragWithTheMouseEndsWhereItIsLetGo() {
        ControlHandle bar = createControl(window_, ControlKind::TrackBar, "Track Bar", {350, 550, 200, 30});
        setTrackBarRange(bar, 1, 8);
        setTrackBarPosition(bar, 4);
        auto* qslider = qobject_cast<QSlider*>(controlWidget(bar));
        const std::size_t mark = recorder_.events.size();
        // Press on the thumb, move to the far left, release.
        QStyleOptionSlider sliderOption;
        sliderOption.initFrom(qslider);
        sliderOption.minimum = qslider->minimum();
        sliderOption.maximum = qslider->maximum();
        sliderOption.sliderPosition = qslider->sliderPosition();
        sliderOption.sliderValue = qslider->value();
        sliderOption.orientation = Qt::Horizontal;
        sliderOption.tickPosition = qslider->tickPosition();
        const QPoint thumb =
            qslider->style()
                ->subControlRect(QStyle::CC_Slider, &sliderOption, QStyle::SC_SliderHandle, qslider)
                .center();
        QTest::mousePress(qslider, Qt::LeftButton, {}, thumb);
        QTest::mouseMove(qslider, QPoint(0, thumb.y()));
        QCOMPARE(QToolTip::text(), QString("1"));  // the position, while dragging
        QTest::mouseRelease(qslider, Qt::LeftButton, {}, QPoint(0, thumb.y()));
        const auto scrolls = scrollsSince(recorder_, mark);
        QVERIFY(scrolls.size() >= 3);
        QCOMPARE(scrolls.front().first, trackbar::ThumbTrack);
        QCOMPARE(scrolls[scrolls.size() - 2], std::make_pair(trackbar::ThumbPosition, 1));
        QCOMPARE(scrolls.back(), std::make_pair(trackbar::EndTrack, 1));
        QCOMPARE(trackBarPosition(bar), 1);
    }

    // The canvas scales by the smaller of the two factors that fit it, and is centred along the
    // other; neighbouring cells keep their shared edge at any factor; text never gets illegible.
    void theCanvasScalesToFitAndIsCentred() {
        ControlHandle cell = createControl(window_, ControlKind::CellButton, "", {100, 50, 25, 25});
        ControlHandle next = createControl(window_, ControlKind::CellButton, "", {125, 50, 25, 25});
        ControlHandle label = createControl(window_, ControlKind::LeftLabel, "先手", {0, 0, 100, 30});
        QMainWindow* widget = mainWindowWidget(window_);
        QWidget* client = clientAreaWidget(window_);
        QCOMPARE(controlWidget(cell)->geometry(), QRect(100, 50, 25, 25));
        const std::size_t mark = recorder_.events.size();
        QVERIFY(kalvenor::testing::setClientSize(widget, client, {2048, 1400}));
        QTRY_VERIFY(recorder_.events.size() > mark);
        QCOMPARE(recorder_.events.back().message, message::Size);
        QCOMPARE(controlWidget(cell)->geometry(), QRect(200, 100, 50, 50));
        QVERIFY(kalvenor::testing::setClientSize(widget, client, {2048, 700}));  // wide: centred across
        QCOMPARE(controlWidget(cell)->geometry(), QRect(512 + 100, 50, 25, 25));
        QVERIFY(kalvenor::testing::setClientSize(widget, client, {700, 700}));  // narrow: centred down
        const QRect small = controlWidget(cell)->geometry();
        QCOMPARE(controlWidget(next)->x(), small.right() + 1);
        QCOMPARE(small.y(), (700 - 478) / 2 + 34);  // factor 700 / 1024, canvas 478 high
        QVERIFY(controlWidget(label)->fontInfo().pixelSize() >= 9);

        setLayoutCanvas(window_, {200, 100});  // a canvas of its own: the cell moves with it
        QCOMPARE(layoutCanvas(window_), (Size{200, 100}));
        QCOMPARE(controlWidget(cell)->geometry(), QRect(350, 175 + 175, 88, 88));
        moveControl(cell, {0, 0, 0, 0});
        QVERIFY(controlWidget(cell)->isHidden());
    }

    void messageBoxesShowCaptionTextButtonsAndIcon() {
        kalvenor::testing::ModalAnswerer answerer;
        answerer.queueButton(QMessageBox::No);
        QCOMPARE(messageBox(window_, "先手にしますか？", "確認",
                            {MessageBoxButtons::YesNo, MessageBoxIcon::Question}),
                 MessageBoxResult::No);
        answerer.queueButton(QMessageBox::Yes);
        QCOMPARE(messageBox(window_, "q", "c", {MessageBoxButtons::YesNo, MessageBoxIcon::Question}),
                 MessageBoxResult::Yes);
        QCOMPARE(messageBox(window_, "a\nb", "Kalvenor [ version 1.0 ]", {}), MessageBoxResult::Ok);
        QCOMPARE(messageBox(window_, "<b>x</b>", "e", {MessageBoxButtons::Ok, MessageBoxIcon::Exclamation}),
                 MessageBoxResult::Ok);

        const auto& boxes = answerer.messageBoxes();
        QCOMPARE(boxes.size(), std::size_t{4});
        QCOMPARE(boxes[0].caption, QString("確認"));
        QCOMPARE(boxes[0].text, QString("先手にしますか？"));
        QCOMPARE(boxes[0].icon, QMessageBox::Question);
        QCOMPARE(boxes[0].buttons.size(), 2);
        QVERIFY(boxes[0].hadParent);
        QCOMPARE(boxes[2].text, QString("a\nb"));
        QCOMPARE(boxes[2].icon, QMessageBox::NoIcon);
        QCOMPARE(boxes[2].buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
        QCOMPARE(boxes[3].icon, QMessageBox::Warning);
    }

    void fileDialogsUseTheirTitleFiltersAndNoOverwriteQuestion() {
        kalvenor::testing::ModalAnswerer answerer;
        const std::vector<FileFilter> filters{{"Game Data", "*.gd"}, {"ALL FORMAT", "*.*"}};
        const QString chosen = QDir::temp().filePath("kalvenor-dialog-test.gd");
        answerer.queueFile(chosen);
        answerer.queueFile("");
        const auto saved = fileDialog(window_, FileDialogKind::Save, "Game Data Save", filters, "*.gd");
        QVERIFY(saved.has_value());
        QCOMPARE(QString::fromStdString(*saved), chosen);
        QVERIFY(!fileDialog(window_, FileDialogKind::Open, "Game Data Load", filters, *saved).has_value());

        const auto& dialogs = answerer.fileDialogs();
        QCOMPARE(dialogs.size(), std::size_t{2});
        QCOMPARE(dialogs[0].title, QString("Game Data Save"));
        QCOMPARE(dialogs[0].acceptMode, QFileDialog::AcceptSave);
        QVERIFY(!dialogs[0].confirmsOverwrite);
        QCOMPARE(dialogs[0].nameFilters, (QStringList{"Game Data (*.gd)", "ALL FORMAT (*)"}));
        QCOMPARE(dialogs[0].selectedNameFilter, QString("Game Data (*.gd)"));
        QCOMPARE(dialogs[1].title, QString("Game Data Load"));
        QCOMPARE(dialogs[1].acceptMode, QFileDialog::AcceptOpen);
    }

    void closingSendsDestroyOnceAndTheProcedureEndsTheLoop() {
        recorder_.onEvent = [](WindowHandle window, const Event& event) {
            if (event.message == message::Destroy) {
                postQuit(window, 0);
            }
        };
        QTimer::singleShot(0, mainWindowWidget(window_), [this] { mainWindowWidget(window_)->close(); });
        QCOMPARE(runEventLoop(window_), 0);
        destroyMainWindow(window_);
        window_ = nullptr;
        QCOMPARE(eventsOf(recorder_, message::Destroy).size(), std::size_t{1});
    }

    void quitFromACommandLeavesTheLoopWithItsCode() {
        recorder_.onEvent = [](WindowHandle window, const Event& event) {
            if (event.message == message::Command && lowWord(event.first) == 255) {
                postQuit(window, 3);
            }
        };
        QTimer::singleShot(0,
                           [this] { findAction(mainWindowWidget(window_)->menuBar(), "終了")->trigger(); });
        QCOMPARE(runEventLoop(window_), 3);
        QVERIFY(eventsOf(recorder_, message::Destroy).empty());  // the window is not destroyed first
    }

    void japaneseTextIsDrawnWithAJapaneseFont() {
        ControlHandle label =
            createControl(window_, ControlKind::LeftLabel, " 現在、２－４次元", {0, 0, 600, 30});
        QTextLayout layout(QString(" 現在、２－４次元"), controlWidget(label)->font());
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        QStringList families;
        for (const QGlyphRun& run : layout.glyphRuns()) {
            families.append(run.rawFont().familyName());
        }
        QVERIFY2(families.filter("Gothic").size() > 0, qPrintable(families.join(",")));
    }
};

QTEST_MAIN(QtBackendTest)
#include "qt_backend_test.moc"
