#include "placed_painting.h"

#include "cp1251_qstring.h"
#include "qt_text_metrics.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QRect>

namespace kestrelon {

void paintPlacedPage(QPainter& painter, const PlacedPage& page, const QtTextMetrics& metrics,
                     int top) {
    for (const PlacedLine& line : page.lines) {
        painter.setPen(QPen(Qt::black, line.penWidth, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(line.x1, line.y1 + top, line.x2, line.y2 + top);
    }
    painter.setPen(Qt::black);
    for (const TextItem& text : page.texts) {
        if (text.text.empty()) {
            continue;
        }
        painter.setFont(metrics.font(text.font));
        // Items are placed by the top of their cell; Qt draws from the baseline.
        painter.drawText(QPoint(text.x, text.y + top + metrics.ascent(text.font)),
                         fromCp1251(text.text));
    }
}

void paintScreenDocument(QPainter& painter, const PlacedDocument& document) {
    const int pages = static_cast<int>(document.pages.size());
    paintScreenDocument(painter, document,
                        QRect(0, 0, document.pageWidth, document.pageHeight * pages));
}

void paintScreenDocument(QPainter& painter, const PlacedDocument& document, const QRect& visible) {
    const QtTextMetrics metrics(painter.device());
    const int pages = static_cast<int>(document.pages.size());
    painter.fillRect(QRect(0, 0, document.pageWidth, document.pageHeight * pages) & visible,
                     Qt::white);
    for (int p = 0; p < pages; ++p) {
        const int top = p * document.pageHeight;
        if (top >= visible.bottom() + 1 || top + document.pageHeight <= visible.top()) {
            continue;
        }
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        // The frame covers the page's pixels 0 .. width - 1, as the paint area is that wide.
        painter.drawRect(0, top, document.pageWidth - 1, document.pageHeight - 1);
        paintPlacedPage(painter, document.pages[static_cast<std::size_t>(p)], metrics, top);
    }
}

bool paintSheets(QPagedPaintDevice& device, const PlacedDocument& document,
                 const QtTextMetrics& metrics) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    bool first = true;
    for (const PlacedPage& page : document.pages) {
        if (!first && !device.newPage()) {
            painter.end();
            return false;
        }
        first = false;
        paintPlacedPage(painter, page, metrics, 0);
    }
    return painter.end();
}

} // namespace kestrelon
