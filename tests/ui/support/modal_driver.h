#pragma once
// Drives the modal dialogs that a handler opens with exec(): the test queues what the user
// does in the next one, then triggers the handler.

#include "active_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace kestrelon::test {

// Runs `act` on the next modal dialog; whatever it leaves open is rejected so that a test
// that goes wrong fails instead of hanging. A dialog that never opened leaves nothing behind
// once `owner` (the test's window) is gone.
inline void onNextModal(QObject& owner, std::function<void(QDialog&)> act) {
    QTimer::singleShot(0, &owner, [act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog) << "no modal dialog open";
        act(*dialog);
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
}

inline void clickButton(QWidget& window, const char* name) {
    auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(name));
    ASSERT_TRUE(button) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

// Replaces a field's text by typing it key by key; QTest::keyClicks knows Latin keys only.
inline void typeInto(QWidget& window, const char* name, const QString& text) {
    auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(name));
    ASSERT_TRUE(edit) << name;
    edit->clear();
    for (const QChar c : text) {
        const auto key = static_cast<Qt::Key>(c.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, edit, key, QString(c), Qt::NoModifier);
    }
}

// Types on the keyboard of `window`: every key goes to whatever has the focus there.
inline void typeKeys(const QWidget& window, const QString& text) {
    for (const QChar c : text) {
        const Qt::Key key = c == u' ' ? Qt::Key_Space : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, window.windowHandle(), key, QString(c), Qt::NoModifier);
    }
}

inline void pressKey(const QWidget& window, Qt::Key key) {
    QTest::keyClick(window.windowHandle(), key);
}

// The object name of the control that has the keyboard focus once `window` is active (a
// slow run, under the sanitizers, may catch a dialog before it is).
inline QString focusName(QWidget& window) {
    if (!test::waitActive(&window)) {
        return QStringLiteral("<not active>");
    }
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("<none>");
}

inline QString fieldText(const QWidget& window, const char* name) {
    const auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(name));
    return edit ? edit->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

} // namespace kestrelon::test
