#include "form_measures.h"

#include "documents/page/layout_helpers.h"

namespace kestrelon {

int FormMeasures::rowInset(int top, int bottom) const {
    return centred(top, bottom, wHeight) - top;
}

FormMeasures formMeasures(const PageGeometry& geometry, const TextMetrics& metrics) {
    FormMeasures f;
    f.lineStep = geometry.y(4);
    f.bold = FontSpec{kArial, f.lineStep, true};
    f.regular = FontSpec{kArial, f.lineStep, false};
    const TextBox w = measure(metrics, "W", f.bold);
    f.wWidth = w.width;
    f.wHeight = w.height;
    return f;
}

} // namespace kestrelon
