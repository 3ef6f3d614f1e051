// The control rules' suite (platform/control_contract.h) against the Qt backend, through its widgets.

#include <QApplication>
#include <QMenuBar>
#include <QtTest>

#include "desktop/menu_lookup.h"
#include "platform/control_contract.h"
#include "platform/qt/qt_access.h"

namespace kalvenor::platform::testing_support {
namespace {

class QtDriver : public BackendDriver {
  public:
    WindowHandle createWindow(const MainWindowDesc& desc, WindowProc proc, void* userData) override {
        const WindowHandle window = createMainWindow(desc, proc, userData);
        if (window != nullptr) {
            mainWindowWidget(window)->show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(mainWindowWidget(window)));
        }
        return window;
    }
    void click(ControlHandle control) override { QTest::mouseClick(controlWidget(control), Qt::LeftButton); }
    void chooseMenuCommand(WindowHandle window, std::string_view text, int) override {
        QAction* action = kalvenor::testing::findAction(mainWindowWidget(window)->menuBar(),
                                                        QString::fromUtf8(text.data(), text.size()));
        ASSERT_NE(action, nullptr);
        action->trigger();
    }
    // Shown, and what the client area has at the control's place.
    bool canBeSeen(ControlHandle control) override {
        QWidget* widget = controlWidget(control);
        return widget->isVisible() && widget->parentWidget()->childAt(widget->geometry().center()) == widget;
    }
    void settle() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

std::unique_ptr<BackendDriver> makeQtDriver() {
    return std::make_unique<QtDriver>();
}

INSTANTIATE_TEST_SUITE_P(Qt, ControlContract, ::testing::Values(&makeQtDriver));

}  // namespace
}  // namespace kalvenor::platform::testing_support

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
