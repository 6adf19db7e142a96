#pragma once
// Draws the pictogram of a computed layout: the main telephone, the circle with the
// principal's name, the cords and the three small telephones.

#include "logo_layout.h"

class QPainter;

namespace kestrelon {

void paintLogo(QPainter& painter, const LogoLayout& layout);

} // namespace kestrelon
