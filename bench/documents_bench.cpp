// Document figures: the act of mutual offset of a full report (801 principal invoices) built,
// laid out and painted as the screen shows it, and the PDF export of all three documents.

#include "offscreen_bench_main.h"
#include "render/pdf_export.h"
#include "render/placed_painting.h"
#include "render/qt_text_metrics.h"
#include "sample_report.h"
#include "screen_texts.h"

#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace kestrelon {
namespace {

constexpr std::size_t kFullReport = ReportRecord::kMaxRows;

DocumentInput fullReport() {
    return documentInputFromReport(*test::sampleReport(kFullReport));
}

// Texts with their wrapping, then the pages, then one full repaint of the tall paint area.
void BM_OffsetActScreen801(benchmark::State& state) {
    const DocumentInput input = fullReport();
    const PageGeometry geometry = test::screenGeometry();
    QImage area;
    for (auto _ : state) {
        QImage device = test::screenImage();
        const QtTextMetrics metrics(&device);
        const OffsetActText texts = FillActZSt(input, geometry, metrics);
        const PlacedDocument placed = FillActZXY(texts, geometry, metrics);
        const int height = placed.pageHeight * static_cast<int>(placed.pages.size());
        if (area.height() != height) {
            area = test::screenImage(placed.pageWidth, height);
        }
        QPainter painter(&area);
        paintScreenDocument(painter, placed);
        painter.end();
        state.counters["pages"] = static_cast<double>(placed.pages.size());
    }
}
BENCHMARK(BM_OffsetActScreen801)->Unit(benchmark::kMillisecond);

// The repaint alone, as when the user scrolls: the prepared pages drawn again.
void BM_OffsetActRepaint801(benchmark::State& state) {
    QImage device = test::screenImage();
    const QtTextMetrics metrics(&device);
    const PageGeometry geometry = test::screenGeometry();
    const PlacedDocument placed =
        FillActZXY(FillActZSt(fullReport(), geometry, metrics), geometry, metrics);
    QImage area = test::screenImage(placed.pageWidth,
                                    placed.pageHeight * static_cast<int>(placed.pages.size()));
    for (auto _ : state) {
        QPainter painter(&area);
        paintScreenDocument(painter, placed);
        painter.end();
    }
}
BENCHMARK(BM_OffsetActRepaint801)->Unit(benchmark::kMillisecond);

void exportAll(benchmark::State& state, std::size_t rows) {
    const DocumentInput input = documentInputFromReport(*test::sampleReport(rows));
    QTemporaryDir dir;
    for (auto _ : state) {
        for (const DocumentKind kind : kAllDocuments) {
            const OutputResult result =
                exportPdf(kind, input, dir.filePath(QString("%1.pdf").arg(int(kind))));
            if (!result.ok()) {
                state.SkipWithError(result.error.toStdString().c_str());
                return;
            }
        }
    }
}

void BM_PdfExportAll3Rows(benchmark::State& state) {
    exportAll(state, 3);
}
BENCHMARK(BM_PdfExportAll3Rows)->Unit(benchmark::kMillisecond);

void BM_PdfExportAll801Rows(benchmark::State& state) {
    exportAll(state, kFullReport);
}
BENCHMARK(BM_PdfExportAll801Rows)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kestrelon

int main(int argc, char** argv) {
    return kestrelon::runOffscreenBenchmarks<QGuiApplication>(argc, argv);
}
