#pragma once

// Puts a main window's client area at an exact size, as the tests that click by position need.

#include <QMainWindow>
#include <QMenuBar>
#include <QTest>

namespace kalvenor::testing {

// Resizes `window` so that its client area `client` is `size`; false when it does not get there.
inline bool setClientSize(QMainWindow* window, QWidget* client, QSize size) {
    window->resize(size.width(), size.height() + window->menuBar()->height());
    return QTest::qWaitFor([&] { return client->size() == size; });
}

}  // namespace kalvenor::testing
