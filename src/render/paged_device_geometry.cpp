#include "paged_device_geometry.h"

#include <QPageLayout>
#include <QPagedPaintDevice>

namespace kestrelon {

namespace {

constexpr double kMmPerInch = 25.4;

} // namespace

PageGeometry pagedDeviceGeometry(const QPagedPaintDevice& device) {
    const QPageLayout layout = device.pageLayout();
    const int dpiX = device.logicalDpiX();
    const int dpiY = device.logicalDpiY();
    // x and y may have their own resolutions: each axis takes its own paint rectangle.
    const QRect pixelsX = layout.paintRectPixels(dpiX);
    const QRect pixelsY = layout.paintRectPixels(dpiY);
    const QRectF mm = layout.paintRect(QPageLayout::Millimeter);

    PageGeometry geometry;
    geometry.printer = true;
    geometry.scale.sx = mm.width() > 0 ? pixelsX.width() / mm.width() : dpiX / kMmPerInch;
    geometry.scale.sy = mm.height() > 0 ? pixelsY.height() / mm.height() : dpiY / kMmPerInch;
    // The device's origin is the paintable area's corner; the layouts subtract this so that
    // positions stay measured from the paper's edge.
    geometry.offsetX = pixelsX.left();
    geometry.offsetY = pixelsY.top();
    return geometry;
}

} // namespace kestrelon
