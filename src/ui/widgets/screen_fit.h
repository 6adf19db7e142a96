#pragma once
// Windows that fit the screen. A window's designed or remembered size may be larger than the
// screen's available area (a small screen, a desktop scaled 150-200 %); such a window opens
// inside the area, smaller, and a fixed-size window becomes resizable up to its designed size,
// so that every control stays reachable (the report window scrolls its content).

#include <QRect>
#include <QSize>
#include <functional>

class QApplication;
class QObject;
class QWidget;

namespace kestrelon {

// The frame a window manager puts around a window not yet shown, whose real frame is unknown.
inline constexpr QMargins kFrameGuess{4, 30, 4, 4};

// Where a window whose client area is `wanted` goes in the available area `area` with a frame of
// `frame`: its client area no larger than the area leaves, and the whole framed window inside.
QRect fitIntoArea(const QRect& wanted, const QRect& area, const QMargins& frame);

// The available area of the screen a window is on.
using AreaOfScreen = std::function<QRect(const QWidget&)>;
QRect availableAreaOf(const QWidget& window);

// Fits every top-level window, each time it is shown, into the available area of its screen.
// Returns the watcher that does it, owned by the application (deleting it stops the fitting).
QObject* fitWindowsToScreen(QApplication& application, AreaOfScreen area = availableAreaOf);

// The size to remember for a window: what it had before it was fitted, unless the user has
// resized it since. A remembered size larger than today's screen is thus kept, not lost.
QSize sizeToRemember(const QWidget& window);

} // namespace kestrelon
