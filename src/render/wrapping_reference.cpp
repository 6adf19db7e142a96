#include "wrapping_reference.h"

#include <cmath>

namespace kestrelon {
namespace {

constexpr double kMmPerInch = 25.4;

QImage referenceImage() {
    QImage image(1, 1, QImage::Format_RGB32);
    const int dotsPerMetre =
        static_cast<int>(std::lround(WrappingReference::kDotsPerInch / kMmPerInch * 1000));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
}

PageGeometry referenceGeometry() {
    PageGeometry geometry;
    const double pixelsPerMm = WrappingReference::kDotsPerInch / kMmPerInch;
    geometry.scale = {pixelsPerMm, pixelsPerMm};
    return geometry;
}

} // namespace

WrappingReference::WrappingReference()
    : device_(referenceImage()), geometry_(referenceGeometry()), metrics_(&device_) {}

} // namespace kestrelon
