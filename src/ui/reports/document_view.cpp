#include "document_view.h"

#include "render/placed_painting.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>

namespace kestrelon {

void DocumentPage::setDocument(PlacedDocument document) {
    document_ = std::move(document);
    fitToPages();
}

void DocumentPage::setScale(double scale) {
    if (scale != scale_) {
        scale_ = scale;
        fitToPages();
    }
}

void DocumentPage::fitToPages() {
    const int pages = static_cast<int>(document_.pages.size());
    setFixedSize(static_cast<int>(std::lround(document_.pageWidth * scale_)),
                 static_cast<int>(std::lround(document_.pageHeight * pages * scale_)));
    update();
}

void DocumentPage::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (scale_ == 1.0) {
        paintScreenDocument(painter, document_, event->rect());
        return;
    }
    // The texts and lines are drawn at the zoom's size, not enlarged from a picture.
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale_, scale_);
    const QRectF area(event->rect().x() / scale_, event->rect().y() / scale_,
                      event->rect().width() / scale_, event->rect().height() / scale_);
    paintScreenDocument(painter, document_, area.toAlignedRect().adjusted(-1, -1, 1, 1));
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
    applyZoom();
}

void DocumentView::setZoom(const DocumentZoom& zoom) {
    zoom_ = zoom;
    applyZoom();
}

void DocumentView::applyZoom() {
    const PlacedDocument& document = page_->document();
    // What the view shows beside the page: no scroll bar is counted, as a fitted page needs
    // none across.
    const QSize room = maximumViewportSize() - QSize(verticalScrollBar()->sizeHint().width(), 0);
    const double before = page_->scale();
    const double across =
        horizontalScrollBar()->maximum() > 0
            ? double(horizontalScrollBar()->value()) / horizontalScrollBar()->maximum()
            : 0.0;
    const double down = verticalScrollBar()->maximum() > 0
                            ? double(verticalScrollBar()->value()) / verticalScrollBar()->maximum()
                            : 0.0;
    page_->setScale(
        zoomScale(zoom_, room.width(), room.height(), document.pageWidth, document.pageHeight));
    if (page_->scale() != before) {
        // The same place of the document stays in view.
        horizontalScrollBar()->setValue(
            static_cast<int>(std::lround(across * horizontalScrollBar()->maximum())));
        verticalScrollBar()->setValue(
            static_cast<int>(std::lround(down * verticalScrollBar()->maximum())));
    }
}

void DocumentView::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    if (zoom_.fit != DocumentZoom::Fit::None) {
        applyZoom();
    }
}

void DocumentView::wheelEvent(QWheelEvent* event) {
    if (event->modifiers().testFlag(Qt::ControlModifier) && onZoomStep) {
        const int delta = event->angleDelta().y();
        if (delta != 0) {
            onZoomStep(delta > 0 ? 1 : -1);
        }
        event->accept();
        return;
    }
    QScrollArea::wheelEvent(event);
}

} // namespace kestrelon
