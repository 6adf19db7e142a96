// The documents must come out at real size: a position given in millimetres from the paper's
// edge is found there in the PDF, whatever the device's resolution or printable area.

#include "pdf_probe.h"
#include "render/pdf_export.h"
#include "render/printing.h"
#include "sample_report.h"
#include "screen_texts.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

namespace kestrelon {
namespace {

constexpr double kToleranceMm = 0.5;
constexpr int kRenderDpi = 300;

struct WordAt {
    DocumentKind kind;
    const char* word; // its topmost occurrence
    double leftMm;
    std::optional<double> topMm; // the top of its text cell, where the layout fixes it in mm
};

// Left margins: the invoice's texts start at 20 mm, the acts' at 25 mm. The offset act's
// lines follow measured line steps, so only their margin is fixed.
const WordAt kWordsAt[] = {
    {DocumentKind::Invoice, test::kSampleAgentName, 20, 20},
    {DocumentKind::Invoice, "Покупатель:", 20, 107},
    {DocumentKind::Invoice, "Руководитель", 20, 204},
    {DocumentKind::Act, "АКТ", 25, 15},
    {DocumentKind::Act, "Исполнитель:", 25, 32},
    {DocumentKind::OffsetAct, "г.", 25, std::nullopt},
    {DocumentKind::OffsetAct, "ООО", 25, std::nullopt},
};

double mm(int pixel) {
    return pixel * 25.4 / kRenderDpi;
}
int px(double millimetres) {
    return static_cast<int>(millimetres * kRenderDpi / 25.4);
}
bool dark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

// The middle of the first dark run along a row or a column of the page, in millimetres.
double lineCentre(const QImage& image, bool alongRow, int fixed, double fromMm, double toMm) {
    int first = -1;
    int last = -1;
    for (int p = px(fromMm); p <= px(toMm); ++p) {
        const bool d = alongRow ? dark(image, p, fixed) : dark(image, fixed, p);
        if (d && first < 0) {
            first = p;
        }
        if (!d && first >= 0) {
            break;
        }
        last = d ? p : last;
    }
    return first < 0 ? -1.0 : mm(first + last) / 2.0 + mm(1) / 2.0;
}

class RealSize : public ::testing::Test {
protected:
    void SetUp() override {
        // scripts/setup.sh installs poppler-utils: without them the check would prove nothing.
        ASSERT_TRUE(test::havePdfTools()) << "pdftotext and pdftoppm (poppler-utils) are missing";
        ASSERT_TRUE(dir_.isValid());
    }

    QString exported(DocumentKind kind, std::size_t rows = 3) {
        const QString path = dir_.filePath(QString("doc%1.pdf").arg(static_cast<int>(kind)));
        const OutputResult result =
            exportPdf(kind, documentInputFromReport(*test::sampleReport(rows)), path);
        EXPECT_TRUE(result.ok()) << result.error.toStdString();
        return path;
    }

    QTemporaryDir dir_;
};

void expectWordsAt(const QString& pdf, DocumentKind kind) {
    const auto text = test::readPdfText(pdf);
    ASSERT_TRUE(text);
    EXPECT_NEAR(text->pageWidth, 210, kToleranceMm);
    EXPECT_NEAR(text->pageHeight, 297, kToleranceMm);
    for (const WordAt& expected : kWordsAt) {
        if (expected.kind != kind) {
            continue;
        }
        const auto found = text->find(QString::fromUtf8(expected.word));
        ASSERT_FALSE(found.empty()) << expected.word;
        EXPECT_NEAR(found.front().left, expected.leftMm, kToleranceMm) << expected.word;
        if (expected.topMm) {
            EXPECT_NEAR(found.front().top, *expected.topMm, kToleranceMm) << expected.word;
        }
    }
}

TEST_F(RealSize, ExportedTextsStartAtTheirMargins) {
    for (const DocumentKind kind : kAllDocuments) {
        expectWordsAt(exported(kind), kind);
    }
}

TEST_F(RealSize, InvoiceGoodsTableLiesAtItsMillimetres) {
    const QImage page = test::renderPdfPage(exported(DocumentKind::Invoice), 0, kRenderDpi);
    ASSERT_FALSE(page.isNull());
    // Left edge at 20 mm (scanned across the data row), top at 126 mm and the header row's
    // bottom at 132 mm (scanned in the № column, left of its centred caption).
    EXPECT_NEAR(lineCentre(page, true, px(137), 10, 30), 20, kToleranceMm);
    EXPECT_NEAR(lineCentre(page, false, px(21.5), 121, 130), 126, kToleranceMm);
    EXPECT_NEAR(lineCentre(page, false, px(21.5), 129, 135), 132, kToleranceMm);
}

TEST_F(RealSize, FollowingSheetsStartTheirTableAtTheTopMargin) {
    const QString pdf = exported(DocumentKind::OffsetAct, 120);
    const auto text = test::readPdfText(pdf);
    ASSERT_TRUE(text);
    ASSERT_GE(text->pageCount, 2) << "120 invoices do not fit one sheet";
    const QImage second = test::renderPdfPage(pdf, 1, kRenderDpi);
    ASSERT_FALSE(second.isNull());
    // The table's top line at 15 mm, its left edge at 25 mm.
    EXPECT_NEAR(lineCentre(second, false, px(100), 5, 25), 15, kToleranceMm);
    EXPECT_NEAR(lineCentre(second, true, px(50), 15, 35), 25, kToleranceMm);
}

TEST_F(RealSize, PrintingCorrectsForAPrintableAreaInsideTheSheet) {
    const QString pdf = dir_.filePath("printed.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(false);
    printer.setPageMargins(QMarginsF(7, 11, 5, 5), QPageLayout::Millimeter);
    const DocumentInput input = documentInputFromReport(*test::sampleReport());
    const OutputResult result = printOnPrinter(printer, DocumentKind::Invoice,
                                               test::screenTexts(DocumentKind::Invoice, input));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    expectWordsAt(pdf, DocumentKind::Invoice);
    const QImage page = test::renderPdfPage(pdf, 0, kRenderDpi);
    ASSERT_FALSE(page.isNull());
    EXPECT_NEAR(lineCentre(page, true, px(137), 10, 30), 20, kToleranceMm);
    EXPECT_NEAR(lineCentre(page, false, px(21.5), 121, 130), 126, kToleranceMm);
}

} // namespace
} // namespace kestrelon
