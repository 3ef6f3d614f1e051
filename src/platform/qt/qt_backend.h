#pragma once

// What the Qt backend keeps behind the opaque handles of the window-system layer. Private to
// src/platform/qt; tests and programs reach the widgets through qt_access.h.

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/layout_fit.h"
#include "platform/window_system.h"

class QAction;
class QEventLoop;
class QKeyEvent;

namespace kalvenor::platform {

// Every text of the layer is UTF-8.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

class MainWidget;

// Owned by its widget, which the client area's widget tree owns: a control destroyed while one of
// its own notifications is being dispatched stays valid until the event loop deletes the widget.
struct Control {
    Window* owner = nullptr;
    ControlKind kind = ControlKind::LeftLabel;
    QWidget* widget = nullptr;
    std::string text;  // exactly as last set, so controlText() round-trips any bytes
};

struct Window {
    WindowProc proc = nullptr;
    void* userData = nullptr;
    std::unique_ptr<MainWidget> widget;
    QWidget* clientArea = nullptr;

    // The button whose click is being dispatched right now; buttonState() is non-zero for it alone.
    Control* buttonInDispatch = nullptr;
    // The cell button that takes the keyboard focus; its frame shows once the keyboard is used,
    // until the mouse clicks a cell.
    Control* cursorCell = nullptr;
    bool keyboardCues = false;
    bool destroySent = false;
    QEventLoop* eventLoop = nullptr;
    Size canvas = classicClientSize;  // what the controls' rectangles are laid out on
    LayoutFit fit;                    // of the canvas into the client area
    std::optional<int> quitCode;

    // The help window, while it is open; it goes with the main window.
    QPointer<QWidget> helpWindow;
    // What announce() last said, made with its first text (announcement.cpp).
    QPointer<QWidget> announcement;

    // The checkable menu items and the state their marks show.
    std::vector<std::pair<QAction*, std::function<bool()>>> checkedActions;

    // Hands a message to the window procedure; afterwards the menu's marks show the new state.
    std::intptr_t send(unsigned message, WParam first, LParam second);
    // A click on a button or label: a Command with id 0 and notification code 0 (1 for the
    // double click of a label).
    void sendClick(Control* control, std::uint16_t notification = 0);
    // Sends Destroy once, whichever of closing and destroyMainWindow comes first.
    void sendDestroyOnce();
    // A key for the window procedure (message::KeyDown), from the focused control or none.
    void sendKey(int keyCode, Control* focused);
    void showKeyboardCues(bool shown);
    void refreshMenuChecks();
};

// The key code (key:: or a capital letter) of a key pressed without Ctrl, Alt or Meta; 0 for any
// other key.
int keyCodeOf(const QKeyEvent& event);

// Puts a control at its rectangle of the layout as `fit` places it, its font scaled alike.
void placeScaled(QWidget& widget, const LayoutFit& fit);
// Fits the canvas into the client area again and places every control.
void placeAllControls(Window& window);

// The top-level window: a menu bar over the client area, whose layout scales with it.
class MainWidget : public QMainWindow {
  public:
    explicit MainWidget(Window& owner);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    Window& owner_;
};

}  // namespace kalvenor::platform
