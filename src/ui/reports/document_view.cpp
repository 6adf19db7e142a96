#include "document_view.h"

#include "render/placed_painting.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace kestrelon {

void DocumentPage::setDocument(PlacedDocument document) {
    document_ = std::move(document);
    const int pages = static_cast<int>(document_.pages.size());
    setFixedSize(document_.pageWidth, document_.pageHeight * pages);
    update();
}

void DocumentPage::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    paintScreenDocument(painter, document_, event->rect());
}

DocumentView::DocumentView(const QString& scrollName, const QString& boxName,
                           const QString& accessibleName, QWidget* parent)
    : QScrollArea(parent) {
    setObjectName(scrollName);
    setAccessibleName(accessibleName);
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundRole(QPalette::Dark);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    page_ = new DocumentPage(this);
    page_->setObjectName(boxName);
    setWidget(page_);
    // Arrow keys scroll by a few lines of text, not by single pixels.
    verticalScrollBar()->setSingleStep(20);
    horizontalScrollBar()->setSingleStep(20);
}

void DocumentView::showDocument(PlacedDocument document) {
    page_->setDocument(std::move(document));
}

} // namespace kestrelon
