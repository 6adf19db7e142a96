#include "pdf_export.h"

#include "paged_device_geometry.h"
#include "placed_painting.h"
#include "qt_text_metrics.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

namespace kestrelon {

namespace {

// Fine enough that rounding to whole device pixels stays far below a tenth of a millimetre.
constexpr int kPdfResolution = 600;

} // namespace

OutputResult exportPdf(DocumentKind kind, const DocumentInput& input, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return {QStringLiteral("cannot create %1: %2").arg(path, file.errorString())};
    }
    QPdfWriter writer(&file);
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    writer.setTitle(QString::fromUtf8(documentTitle(kind)));
    writer.setCreator(QStringLiteral("Kestrelon"));

    const PageGeometry geometry = pagedDeviceGeometry(writer);
    const QtTextMetrics metrics(&writer);
    const DocumentTexts texts = buildDocumentTexts(kind, input, geometry, metrics);
    const PlacedDocument placed = layoutDocument(kind, texts, geometry, metrics);
    if (!paintSheets(writer, placed, metrics)) {
        file.cancelWriting();
        return {QStringLiteral("cannot draw the document into %1").arg(path)};
    }
    if (!file.commit()) {
        return {QStringLiteral("cannot write %1: %2").arg(path, file.errorString())};
    }
    return {};
}

} // namespace kestrelon
