#pragma once
// The body of a window that scrolls when the window is smaller than the body's designed size
// (a window fitted into a small or scaled screen), and fills the window otherwise.

class QVBoxLayout;
class QWidget;

namespace kestrelon {

// Gives `window` a frameless scroll area, named by the window's title, as its only content and
// returns the widget inside it, on which the window lays out its controls. The body shrinks with
// the window down to what its layout needs, and scrolls below that.
QWidget* makeScrollableBody(QWidget& window);

// A card or dialog whose fields scroll on a screen too small for them while its buttons stay
// in view under them: `fields` lays out the scrolling body, `buttons` the rows below it.
struct ScrollingDialog {
    QVBoxLayout* fields = nullptr;
    QVBoxLayout* buttons = nullptr;
};
ScrollingDialog makeScrollingDialog(QWidget& window);

} // namespace kestrelon
