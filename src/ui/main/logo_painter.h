#pragma once
// Draws the pictogram of a computed layout: the main telephone, the circle with the
// principal's name, the cords and the three small telephones.

#include "logo_layout.h"

#include <QString>

class QPainter;

namespace kestrelon {

void paintLogo(QPainter& painter, const LogoLayout& layout);

// The principal's name is lettered in Arial. Where Arial is not installed, fontconfig gives its
// metric twin Liberation Sans (which the package depends on) for it; asking for the twin by
// name gives the same letters without the search for Arial's substitutes, a good part of a
// millisecond of every start.
QString logoLetteringFamily();

} // namespace kestrelon
