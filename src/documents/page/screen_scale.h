#pragma once
// The screen's PageScale: pixels per millimetre from the display's resolution and the
// physical size it reports.

#include "page_geometry.h"

namespace kestrelon {

// 96 dots per inch: what a display that reports no usable physical size is taken to have.
inline constexpr double kFallbackPixelsPerMm = 96.0 / 25.4;

// sx = width in pixels / width in millimetres, sy likewise. A display that reports no size,
// or one that gives an absurd scale (under 1 or over 40 pixels per millimetre, as virtual
// and broken monitors do), is taken at 96 dpi in that direction, so the page is never drawn
// microscopic or gigantic.
PageScale screenPageScale(int widthPixels, int heightPixels, double widthMm, double heightMm);

} // namespace kestrelon
