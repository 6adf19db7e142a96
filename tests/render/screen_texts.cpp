#include "screen_texts.h"

#include "render/qt_text_metrics.h"

#include <cmath>

namespace kestrelon::test {

QImage screenImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    const int dotsPerMeter = static_cast<int>(std::lround(kScreenPixelsPerMm * 1000));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    return image;
}

PageGeometry screenGeometry() {
    PageGeometry geometry;
    geometry.scale = {kScreenPixelsPerMm, kScreenPixelsPerMm};
    return geometry;
}

DocumentTexts screenTexts(DocumentKind kind, const DocumentInput& input) {
    QImage device = screenImage();
    const QtTextMetrics metrics(&device);
    return buildDocumentTexts(kind, input, screenGeometry(), metrics);
}

} // namespace kestrelon::test
