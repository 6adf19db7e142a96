#pragma once
// Waits for a window to become the application's active window. The platform may call a
// window active a moment before the application has moved the keyboard focus into it, so a
// test that reads or sends keys right after QTest::qWaitForWindowActive may still reach the
// window behind.

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace kestrelon::test {

inline bool waitActive(QWidget* window) {
    return QTest::qWaitFor([window] {
        const QWidget* focus = QApplication::focusWidget();
        return QApplication::activeWindow() == window && (!focus || focus->window() == window);
    });
}

} // namespace kestrelon::test
