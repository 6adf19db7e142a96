#include "scrollable_body.h"

#include <QScrollArea>
#include <QVBoxLayout>

namespace kestrelon {
namespace {

// A window sized by its hint opens as large as its body wants (the screen's fitting bounds it);
// Qt's own hint stops at 24 lines of text, which would make a card scroll on any screen.
class BodyScrollArea : public QScrollArea {
public:
    using QScrollArea::QScrollArea;

    QSize sizeHint() const override {
        if (widget() == nullptr) {
            return QScrollArea::sizeHint();
        }
        const int frame = 2 * frameWidth();
        return widget()->sizeHint() + QSize(frame, frame);
    }
};

} // namespace

QWidget* makeScrollableBody(QWidget& window) {
    auto* outer = new QVBoxLayout(&window);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new BodyScrollArea(&window);
    scroll->setObjectName(QStringLiteral("BodyScroll"));
    scroll->setAccessibleName(window.windowTitle());
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    auto* body = new QWidget;
    body->setObjectName(QStringLiteral("Body"));
    scroll->setWidget(body);
    outer->addWidget(scroll);
    return body;
}

ScrollingDialog makeScrollingDialog(QWidget& window) {
    ScrollingDialog parts;
    parts.fields = new QVBoxLayout(makeScrollableBody(window));
    parts.buttons = new QVBoxLayout;
    const QMargins margins = parts.fields->contentsMargins();
    parts.buttons->setContentsMargins(margins.left(), 0, margins.right(), margins.bottom());
    static_cast<QVBoxLayout*>(window.layout())->addLayout(parts.buttons);
    return parts;
}

} // namespace kestrelon
