#pragma once
// A document tab's scroll box with its paint area: the laid-out pages one below the other,
// at the screen's real-size scale times the zoom. The pages are drawn at the zoom (not a
// picture enlarged), so text stays sharp, and the page breaks stay those of paper. Painting
// draws only the pages in sight, so scrolling a long act of mutual offset stays quick.

#include "document_zoom.h"
#include "documents/page/placed_document.h"

#include <QScrollArea>
#include <functional>

namespace kestrelon {

class DocumentPage : public QWidget {
public:
    explicit DocumentPage(QWidget* parent) : QWidget(parent) {}

    void setDocument(PlacedDocument document);
    const PlacedDocument& document() const { return document_; }
    // 1 draws the pages at their laid-out size.
    void setScale(double scale);
    double scale() const { return scale_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fitToPages();

    PlacedDocument document_;
    double scale_ = 1.0;
};

class DocumentView : public QScrollArea {
public:
    // `boxName` names the paint area ("PaintBox1"), `scrollName` the scroll box.
    DocumentView(const QString& scrollName, const QString& boxName, const QString& accessibleName,
                 QWidget* parent);

    void showDocument(PlacedDocument document);
    const PlacedDocument& document() const { return page_->document(); }
    DocumentPage* page() const { return page_; }

    void setZoom(const DocumentZoom& zoom);
    const DocumentZoom& zoom() const { return zoom_; }
    // The scale the pages are drawn at now (a fitted zoom follows the view's size).
    double scale() const { return page_->scale(); }
    // Ctrl and the wheel: one step up (> 0) or down.
    std::function<void(int step)> onZoomStep;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void applyZoom();

    DocumentPage* page_ = nullptr;
    DocumentZoom zoom_;
};

} // namespace kestrelon
