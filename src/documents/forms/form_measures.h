#pragma once
// The measures the invoice and the act are laid out with: Arial 4 mm is their ordinary text,
// and the bold "W" sets the insets from the ruled lines.

#include "documents/page/page_geometry.h"
#include "documents/words/text_metrics.h"

namespace kestrelon {

struct FormMeasures {
    int lineStep = 0; // L: the 4 mm font height, also the step between stacked lines
    FontSpec bold;
    FontSpec regular;
    int wWidth = 0;  // Wd: width of a bold "W"
    int wHeight = 0; // Ht: height of a bold "W"

    // e: the inset from `top` that centres one line of text in the row top..bottom (pixels).
    int rowInset(int top, int bottom) const;
};

FormMeasures formMeasures(const PageGeometry& geometry, const TextMetrics& metrics);

} // namespace kestrelon
