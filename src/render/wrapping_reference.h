#pragma once
// The device the act of mutual offset is wrapped on, whatever it is then shown or printed on:
// its line breaks, and with them its page breaks, are the same on the screen, on a printer
// and in a PDF. A 600-dpi page, the PDF's own resolution: what it measures stays within about
// two per cent of what any screen or printer draws, which the act's columns leave room for.

#include "documents/page/page_geometry.h"
#include "qt_text_metrics.h"

#include <QImage>

namespace kestrelon {

class WrappingReference {
public:
    static constexpr int kDotsPerInch = 600;

    WrappingReference();
    WrappingReference(const WrappingReference&) = delete;
    WrappingReference& operator=(const WrappingReference&) = delete;

    const PageGeometry& geometry() const { return geometry_; }
    const TextMetrics& metrics() const { return metrics_; }

private:
    QImage device_;
    PageGeometry geometry_;
    QtTextMetrics metrics_;
};

} // namespace kestrelon
