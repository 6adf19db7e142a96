#pragma once
// What a user would find wrong with a window on a small or scaled screen: the window not
// inside the screen's area, a control narrower or lower than its text needs, a control that
// can be neither seen nor scrolled to.

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTabBar>
#include <QWidget>

namespace kestrelon::test {

inline bool isControl(const QWidget& w) {
    if (const auto* label = qobject_cast<const QLabel*>(&w)) {
        return !label->text().isEmpty() && label->pixmap().isNull();
    }
    return qobject_cast<const QAbstractButton*>(&w) || qobject_cast<const QLineEdit*>(&w) ||
           qobject_cast<const QComboBox*>(&w) || qobject_cast<const QAbstractSpinBox*>(&w) ||
           qobject_cast<const QTabBar*>(&w);
}

// The scroll area whose viewport holds `w`, if any (the nearest).
inline QAbstractScrollArea* scrollingAncestor(const QWidget& w) {
    for (QWidget* p = w.parentWidget(); p != nullptr && !p->isWindow(); p = p->parentWidget()) {
        if (auto* area = qobject_cast<QAbstractScrollArea*>(p->parentWidget())) {
            if (area->viewport() == p) {
                return area;
            }
        }
    }
    return nullptr;
}

// Seen without scrolling: inside what the window and every widget around it (a scroll area's
// viewport above all) let show.
inline bool inView(const QWidget& w) {
    const QWidget& window = *w.window();
    const QRect mine(w.mapTo(&window, QPoint(0, 0)), w.size());
    QRect shown(QPoint(0, 0), window.size());
    for (const QWidget* at = w.parentWidget(); at != &window; at = at->parentWidget()) {
        shown &= QRect(at->mapTo(&window, QPoint(0, 0)), at->size());
    }
    return shown.contains(mine);
}

// Seen, or brought into view by scrolling a scroll area that is itself seen or reachable.
inline bool reachable(const QWidget& w) {
    const QWidget& window = *w.window();
    QAbstractScrollArea* area = scrollingAncestor(w);
    if (area == nullptr) {
        const QRect mine(w.mapTo(&window, QPoint(0, 0)), w.size());
        return QRect(QPoint(0, 0), window.size()).contains(mine);
    }
    return area->viewport()->width() > 0 && area->viewport()->height() > 0 && reachable(*area);
}

inline QString describe(const QWidget& w) {
    QString text;
    if (const auto* b = qobject_cast<const QAbstractButton*>(&w)) {
        text = b->text();
    } else if (const auto* l = qobject_cast<const QLabel*>(&w)) {
        text = l->text();
    }
    return QStringLiteral("%1 %2 «%3» %4x%5")
        .arg(QString::fromLatin1(w.metaObject()->className()), w.objectName(), text.left(30))
        .arg(w.width())
        .arg(w.height());
}

inline QStringList layoutProblems(const QWidget& window, const QRect& area) {
    QStringList problems;
    if (!area.contains(window.frameGeometry())) {
        problems << QStringLiteral("the window %1,%2 %3x%4 is not inside the screen")
                        .arg(window.frameGeometry().x())
                        .arg(window.frameGeometry().y())
                        .arg(window.frameGeometry().width())
                        .arg(window.frameGeometry().height());
    }
    // A window that scrolls opens as tall as its content, as far as the screen has room.
    const int room = area.height() - (window.frameGeometry().height() - window.height());
    const int wanted = std::min(window.sizeHint().height(), room);
    const bool scrolls = window.findChild<QAbstractScrollArea*>(QStringLiteral("BodyScroll"));
    if (scrolls && window.height() + 8 < wanted && window.height() < window.maximumHeight()) {
        problems << QStringLiteral("the window opens %1 high where it wants %2 and the screen has "
                                   "room for %3")
                        .arg(window.height())
                        .arg(window.sizeHint().height())
                        .arg(room);
    }
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        // A spin box's own text field is the spin box's to size.
        if (!w->isVisibleTo(&window) || !isControl(*w) || w->window() != &window ||
            qobject_cast<const QAbstractSpinBox*>(w->parentWidget())) {
            continue;
        }
        const QSize need = w->minimumSizeHint().expandedTo(w->minimumSize());
        if (w->width() + 1 < need.width() || w->height() + 1 < need.height()) {
            problems << describe(*w) +
                            QStringLiteral(" needs %1x%2").arg(need.width()).arg(need.height());
        }
        if (!reachable(*w)) {
            problems << describe(*w) + QStringLiteral(" cannot be seen or scrolled to");
        }
    }
    return problems;
}

} // namespace kestrelon::test
