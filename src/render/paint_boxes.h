#pragma once
// The document tabs' paint handlers: each draws its prepared page(s) as the screen shows them.

#include "documents/page/placed_document.h"

class QPainter;

namespace kestrelon {

void PaintBox1Paint(QPainter& painter, const PlacedDocument& invoice);
void PaintBox2Paint(QPainter& painter, const PlacedDocument& act);
void PaintBox3Paint(QPainter& painter, const PlacedDocument& offsetAct);

} // namespace kestrelon
