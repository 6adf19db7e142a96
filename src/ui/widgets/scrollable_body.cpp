#include "scrollable_body.h"

#include <QScrollArea>
#include <QVBoxLayout>

namespace kestrelon {

QWidget* makeScrollableBody(QWidget& window) {
    auto* outer = new QVBoxLayout(&window);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(&window);
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
