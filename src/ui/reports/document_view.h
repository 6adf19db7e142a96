#pragma once
// A document tab's scroll box with its paint area: the laid-out pages one below the other,
// at the screen's real-size scale. Painting draws only the pages in sight, so scrolling a
// long act of mutual offset stays quick.

#include "documents/page/placed_document.h"

#include <QScrollArea>

namespace kestrelon {

class DocumentPage : public QWidget {
public:
    explicit DocumentPage(QWidget* parent) : QWidget(parent) {}

    void setDocument(PlacedDocument document);
    const PlacedDocument& document() const { return document_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PlacedDocument document_;
};

class DocumentView : public QScrollArea {
public:
    // `boxName` names the paint area ("PaintBox1"), `scrollName` the scroll box.
    DocumentView(const QString& scrollName, const QString& boxName, const QString& accessibleName,
                 QWidget* parent);

    void showDocument(PlacedDocument document);
    const PlacedDocument& document() const { return page_->document(); }
    DocumentPage* page() const { return page_; }

private:
    DocumentPage* page_ = nullptr;
};

} // namespace kestrelon
