// The main window: creation, the menu bar, closing, the event loop.

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <algorithm>

#include "platform/control_rules.h"
#include "platform/qt/japanese_font.h"
#include "platform/qt/qt_backend.h"

namespace kalvenor::platform {
namespace {

// The classic API counts the caption and the menu bar in the window's size; the classic client area
// below them is classicClientSize.
const QColor lightGreyBackground(192, 192, 192);
// Room for the caption and the frame, which the window system adds around the window.
constexpr int frameAllowance = 40;

// The client area paints its light grey itself rather than through a palette of its own: every
// child would otherwise get a palette of its own resolved from it, so that the style caches each
// button's face anew (a new game of four axes added hundreds of cached faces).
// Its layout fits and centres: the controls keep their places on the canvas, scaled by the one
// factor that fits the canvas into the area, fonts with them.
class ClientArea : public QWidget {
  public:
    ClientArea(Window& owner, QWidget* parent) : QWidget(parent), owner_(owner) {
        const Size smallest = smallestClientSize();
        setMinimumSize(smallest.width, smallest.height);
    }

    QSize sizeHint() const override { return {classicClientSize.width, classicClientSize.height}; }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter(this).fillRect(event->rect(), lightGreyBackground);
    }

    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        placeAllControls(owner_);
    }

  private:
    Window& owner_;
};

// The window opens at the classic size, or smaller in the same proportions where the screen's
// free area is smaller (never below the smallest size).
QSize openingClientSize(const QWidget& widget, int menuHeight) {
    const QScreen* screen = widget.screen() != nullptr ? widget.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {classicClientSize.width, classicClientSize.height};
    }
    const QRect free = screen->availableGeometry();
    const double share = std::clamp(
        std::min(static_cast<double>(free.width()) / classicClientSize.width,
                 static_cast<double>(free.height() - menuHeight - frameAllowance) / classicClientSize.height),
        smallestWindowShare, 1.0);
    return {static_cast<int>(classicClientSize.width * share),
            static_cast<int>(classicClientSize.height * share)};
}

QAction* commandAction(Window& window, QWidget* parent, const MenuItem& item) {
    auto* action = new QAction(toQString(item.text), parent);
    const int id = item.commandId;
    QObject::connect(action, &QAction::triggered, parent, [&window, id] {
        window.send(message::Command, makeWParam(static_cast<std::uint16_t>(id), 0), 0);
    });
    if (!item.shortcut.empty()) {
        QList<QKeySequence> keys{QKeySequence(toQString(item.shortcut), QKeySequence::PortableText)};
        if (!item.alternateShortcut.empty()) {
            keys.append(QKeySequence(toQString(item.alternateShortcut), QKeySequence::PortableText));
        }
        action->setShortcuts(keys);
        // Bound to the main window, so the key works also while no menu is open.
        window.widget->addAction(action);
    }
    if (item.isChecked) {
        action->setCheckable(true);
        window.checkedActions.emplace_back(action, item.isChecked);
    }
    return action;
}

void addMenuItems(Window& window, QWidget* menu, const std::vector<MenuItem>& items) {
    QActionGroup* radioGroup = nullptr;  // the run of exclusive items being added
    for (const MenuItem& item : items) {
        if (!item.exclusive) {
            radioGroup = nullptr;
        }
        if (item.isSeparator()) {
            if (auto* popup = qobject_cast<QMenu*>(menu)) {
                popup->addSeparator();
            }
        } else if (item.items.empty()) {
            // A command item, also directly on the bar ("バージョン情報" is one).
            QAction* action = commandAction(window, menu, item);
            if (item.exclusive) {
                if (radioGroup == nullptr) {
                    radioGroup = new QActionGroup(menu);
                }
                radioGroup->addAction(action);
            }
            menu->addAction(action);
        } else {
            auto* popup = new QMenu(toQString(item.text), menu);
            addMenuItems(window, popup, item.items);
            QObject::connect(popup, &QMenu::aboutToShow, popup, [&window] { window.refreshMenuChecks(); });
            if (auto* bar = qobject_cast<QMenuBar*>(menu)) {
                bar->addMenu(popup);
            } else {
                static_cast<QMenu*>(menu)->addMenu(popup);
            }
        }
    }
}

}  // namespace

MainWidget::MainWidget(Window& owner) : owner_(owner) {}

void MainWidget::closeEvent(QCloseEvent* event) {
    // Closing goes through the window procedure: Destroy reaches it, and it quits.
    owner_.sendDestroyOnce();
    event->accept();
}

void MainWidget::keyPressEvent(QKeyEvent* event) {
    // A key no control took: the board's when no control has the focus.
    const int code = keyCodeOf(*event);
    QWidget* focus = focusWidget();
    if (code == 0 || (focus != nullptr && focus != this && focus->isVisible())) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    owner_.showKeyboardCues(true);
    owner_.sendKey(code, nullptr);
}

void MainWidget::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    const QSize size = owner_.clientArea->size();
    owner_.send(message::Size, 0,
                static_cast<LParam>((size.width() & 0xFFFF) | ((size.height() & 0xFFFF) << 16)));
}

void setLayoutCanvas(WindowHandle window, Size canvas) {
    if (window != nullptr && window->canvas != canvas) {
        window->canvas = canvas;
        placeAllControls(*window);
    }
}

Size layoutCanvas(WindowHandle window) {
    return window != nullptr ? window->canvas : Size{};
}

std::intptr_t Window::send(unsigned message, WParam first, LParam second) {
    const std::intptr_t result = proc(this, message, first, second);
    refreshMenuChecks();
    return result;
}

void Window::refreshMenuChecks() {
    for (const auto& [action, isChecked] : checkedActions) {
        action->setChecked(isChecked());
    }
}

void Window::sendClick(Control* control, std::uint16_t notification) {
    const control_rules::ClickDispatch dispatch(buttonInDispatch, control, control->kind);
    send(message::Command, makeWParam(0, notification), toLParam(control));
}

void Window::sendKey(int keyCode, Control* focused) {
    send(message::KeyDown, static_cast<WParam>(keyCode), toLParam(focused));
}

void Window::showKeyboardCues(bool shown) {
    if (keyboardCues != shown) {
        keyboardCues = shown;
        if (cursorCell != nullptr) {
            cursorCell->widget->update();
        }
    }
}

int keyCodeOf(const QKeyEvent& event) {
    constexpr Qt::KeyboardModifiers commandKeys = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if ((event.modifiers() & commandKeys) != 0) {
        return 0;
    }
    switch (event.key()) {
        case Qt::Key_Left:
            return key::Left;
        case Qt::Key_Right:
            return key::Right;
        case Qt::Key_Up:
            return key::Up;
        case Qt::Key_Down:
            return key::Down;
        case Qt::Key_PageUp:
            return key::PageUp;
        case Qt::Key_PageDown:
            return key::PageDown;
        case Qt::Key_Home:
            return key::Home;
        case Qt::Key_End:
            return key::End;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return key::Return;
        case Qt::Key_Space:
            return key::Space;
        default:
            break;
    }
    // Qt numbers the letter keys as their capitals, as the classic virtual keys do.
    return event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z ? event.key() : 0;
}

void Window::sendDestroyOnce() {
    if (!destroySent) {
        destroySent = true;
        send(message::Destroy, 0, 0);
    }
}

WindowHandle createMainWindow(const MainWindowDesc& desc, WindowProc proc, void* userData) {
    if (proc == nullptr || QApplication::instance() == nullptr) {
        return nullptr;
    }
    useJapaneseCapableFont();

    auto window = std::make_unique<Window>();
    window->proc = proc;
    window->userData = userData;
    window->widget = std::make_unique<MainWidget>(*window);
    MainWidget& widget = *window->widget;
    widget.setWindowTitle(toQString(desc.title));
    addMenuItems(*window, widget.menuBar(), desc.menuBar);

    auto* client = new ClientArea(*window, &widget);
    widget.setCentralWidget(client);
    window->clientArea = client;
    const int menuHeight = widget.menuBar()->sizeHint().height();
    const QSize clientSize = openingClientSize(widget, menuHeight);
    widget.resize(clientSize.width(), clientSize.height() + menuHeight);

    // As in the headless backend: a Create answered with -1 refuses the window.
    if (window->send(message::Create, 0, 0) == -1) {
        window->widget.reset();
        return nullptr;
    }
    return window.release();
}

void setWindowTitle(WindowHandle window, std::string_view title) {
    if (window != nullptr && window->widget) {
        window->widget->setWindowTitle(toQString(title));
    }
}

void setMenuBar(WindowHandle window, std::vector<MenuItem> menuBar) {
    if (window == nullptr || !window->widget) {
        return;
    }
    // The old menus take their actions, and with them their shortcuts, when they go.
    window->checkedActions.clear();
    QMenuBar* bar = window->widget->menuBar();
    const QList<QAction*> entries = bar->actions();
    bar->clear();
    for (QAction* entry : entries) {
        if (QMenu* popup = entry->menu()) {
            delete popup;
        } else if (entry->parent() == bar) {
            delete entry;
        }
    }
    for (QActionGroup* group : bar->findChildren<QActionGroup*>(Qt::FindDirectChildrenOnly)) {
        delete group;
    }
    addMenuItems(*window, bar, menuBar);
}

void destroyMainWindow(WindowHandle window) {
    if (window == nullptr) {
        return;
    }
    window->sendDestroyOnce();
    // The widget tree takes every control with it.
    window->widget.reset();
    delete window;
}

void* windowUserData(WindowHandle window) {
    return window != nullptr ? window->userData : nullptr;
}

void postQuit(WindowHandle window, int exitCode) {
    if (window == nullptr) {
        return;
    }
    window->quitCode = exitCode;
    if (window->eventLoop != nullptr) {
        window->eventLoop->exit(exitCode);
    }
}

int runEventLoop(WindowHandle window) {
    if (window == nullptr) {
        return 0;
    }
    window->widget->show();
    if (window->quitCode) {
        return *window->quitCode;
    }
    QEventLoop loop;
    window->eventLoop = &loop;
    const int exitCode = loop.exec();
    window->eventLoop = nullptr;
    return exitCode;
}

}  // namespace kalvenor::platform
