#pragma once
// A printer's or PDF writer's PageGeometry: pixels per millimetre over its paintable area and
// the offset of that area from the paper's edge.

#include "documents/page/page_geometry.h"

class QPagedPaintDevice;

namespace kestrelon {

PageGeometry pagedDeviceGeometry(const QPagedPaintDevice& device);

} // namespace kestrelon
