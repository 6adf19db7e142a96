#pragma once
// Drawing a laid-out document with a QPainter, on screen (all pages one below the other,
// each in its page frame) or on paper (each page on its own sheet, no frame).

#include "documents/page/placed_document.h"

class QPainter;
class QRect;
class QPagedPaintDevice;

namespace kestrelon {

class QtTextMetrics;

// The page's lines and texts, shifted down by `top` pixels.
void paintPlacedPage(QPainter& painter, const PlacedPage& page, const QtTextMetrics& metrics,
                     int top);

// The screen view: white ground, and page p framed and drawn p page heights down.
void paintScreenDocument(QPainter& painter, const PlacedDocument& document);
// The same for the pages that meet `visible` only: a scrolled view of a long act of mutual
// offset repaints one or two pages, not all of them.
void paintScreenDocument(QPainter& painter, const PlacedDocument& document, const QRect& visible);

// Draws page after page on the sheets of a printer or PDF device that `metrics` measures.
// Returns false when the device refuses to start or to finish.
bool paintSheets(QPagedPaintDevice& device, const PlacedDocument& document,
                 const QtTextMetrics& metrics);

} // namespace kestrelon
