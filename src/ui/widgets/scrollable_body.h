#pragma once
// The body of a window that scrolls when the window is smaller than the body's designed size
// (a window fitted into a small or scaled screen), and fills the window otherwise.

class QWidget;

namespace kestrelon {

// Gives `window` a frameless scroll area, named by the window's title, as its only content and
// returns the widget inside it, on which the window lays out its controls. The body shrinks with
// the window down to what its layout needs, and scrolls below that.
QWidget* makeScrollableBody(QWidget& window);

} // namespace kestrelon
