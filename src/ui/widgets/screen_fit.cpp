#include "screen_fit.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace kestrelon {
namespace {

// Kept on a fitted window: the size it wanted, and the size it was given for it.
constexpr char kWantedSize[] = "kestrelonWantedSize";
constexpr char kFittedSize[] = "kestrelonFittedSize";

QMargins frameOf(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    const QMargins known = handle != nullptr ? handle->frameMargins() : QMargins();
    return known.isNull() ? kFrameGuess : known;
}

class ScreenFitter : public QObject {
public:
    ScreenFitter(AreaOfScreen area, QObject* parent) : QObject(parent), area_(std::move(area)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        // A window coming back from being minimised keeps where the user left it.
        if (event->type() == QEvent::Show && !event->spontaneous() && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            const Qt::WindowType type = widget->windowType();
            if (widget->isWindow() && (type == Qt::Window || type == Qt::Dialog)) {
                fit(*widget);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void fit(QWidget& window) const {
        const QRect area = area_(window);
        if (area.isEmpty()) {
            return;
        }
        const QSize wanted = sizeToRemember(window);
        const QMargins frame = frameOf(window);
        // Where a dialog goes by itself: over the middle of the window it belongs to.
        QRect placed(window.pos() + QPoint(frame.left(), frame.top()), wanted);
        const QWidget* owner = window.parentWidget() ? window.parentWidget()->window() : nullptr;
        if (window.windowType() == Qt::Dialog) {
            placed.moveCenter(owner != nullptr && owner->isVisible() ? owner->geometry().center()
                                                                     : area.center());
        }
        const QRect fitted = fitIntoArea(placed, area, frame);
        // A fixed-size window gives way down to the area, and back up to its designed size.
        if (window.minimumWidth() > fitted.width() || window.minimumHeight() > fitted.height()) {
            window.setMinimumSize(window.minimumSize().boundedTo(fitted.size()));
        }
        window.setProperty(kWantedSize, wanted);
        window.setProperty(kFittedSize, fitted.size());
        window.resize(fitted.size());
        // Placed here, a dialog is not placed again by Qt, which knows nothing of the area. A
        // window's position is its frame's.
        window.move(fitted.topLeft() - QPoint(frame.left(), frame.top()));
    }

    AreaOfScreen area_;
};

} // namespace

QRect fitIntoArea(const QRect& wanted, const QRect& area, const QMargins& frame) {
    const QRect inner = area.marginsRemoved(frame);
    const QSize size = wanted.size().boundedTo(inner.size()).expandedTo(QSize(1, 1));
    QRect fitted(wanted.topLeft(), size);
    fitted.moveLeft(
        std::max(inner.left(), std::min(fitted.left(), inner.right() - size.width() + 1)));
    fitted.moveTop(
        std::max(inner.top(), std::min(fitted.top(), inner.bottom() - size.height() + 1)));
    return fitted;
}

QRect availableAreaOf(const QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

QObject* fitWindowsToScreen(QApplication& application, AreaOfScreen area) {
    auto* fitter = new ScreenFitter(std::move(area), &application);
    application.installEventFilter(fitter);
    return fitter;
}

QSize sizeToRemember(const QWidget& window) {
    const QVariant wanted = window.property(kWantedSize);
    if (wanted.isValid() && window.size() == window.property(kFittedSize).toSize()) {
        return wanted.toSize();
    }
    return window.size();
}

} // namespace kestrelon
