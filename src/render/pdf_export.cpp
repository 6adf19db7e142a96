#include "pdf_export.h"

#include "paged_device_geometry.h"
#include "placed_painting.h"
#include "qt_text_metrics.h"
#include "store/file_set.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

namespace kestrelon {

namespace {

// Fine enough that rounding to whole device pixels stays far below a tenth of a millimetre.
constexpr int kPdfResolution = 600;

} // namespace

QByteArray renderPdf(DocumentKind kind, const DocumentInput& input, OutputResult& error) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    setUpA4Pdf(writer, QString::fromUtf8(documentTitle(kind)));

    const PageGeometry geometry = pagedDeviceGeometry(writer);
    const QtTextMetrics metrics(&writer);
    const DocumentTexts texts = buildDocumentTexts(kind, input, geometry, metrics);
    const PlacedDocument placed = layoutDocument(kind, texts, geometry, metrics);
    if (!paintSheets(writer, placed, metrics)) {
        error.error = QStringLiteral("cannot draw the document");
        return {};
    }
    return bytes;
}

void setUpA4Pdf(QPdfWriter& writer, const QString& title) {
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Kestrelon"));
}

OutputResult exportPdf(DocumentKind kind, const DocumentInput& input, const QString& path) {
    OutputResult result;
    const QByteArray bytes = renderPdf(kind, input, result);
    return saveRenderedPdf(bytes, result, path);
}

OutputResult saveRenderedPdf(const QByteArray& bytes, OutputResult result, const QString& path) {
    if (!result.ok()) {
        result.error += QStringLiteral(" into %1").arg(path);
        return result;
    }
    try {
        saveFilesTogether({{path.toStdString(), bytes.toStdString()}});
    } catch (const IoError& error) {
        return {QStringLiteral("cannot write %1: %2")
                    .arg(path, QString::fromStdString(error.message()))};
    }
    return result;
}

} // namespace kestrelon
