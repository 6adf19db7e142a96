#include "paint_boxes.h"

#include "placed_painting.h"

namespace kestrelon {

void PaintBox1Paint(QPainter& painter, const PlacedDocument& invoice) {
    paintScreenDocument(painter, invoice);
}

void PaintBox2Paint(QPainter& painter, const PlacedDocument& act) {
    paintScreenDocument(painter, act);
}

void PaintBox3Paint(QPainter& painter, const PlacedDocument& offsetAct) {
    paintScreenDocument(painter, offsetAct);
}

} // namespace kestrelon
