// An act of mutual offset breaks its sheets in the same places on the document tab, on the
// printer and in the PDF: the same texts on the same sheets, whatever the device's resolution
// and whatever the names make the clauses wrap to.

#include "long_names.h"
#include "pdf_probe.h"
#include "render/paged_device_geometry.h"
#include "render/pdf_export.h"
#include "render/printing.h"
#include "render/qt_text_metrics.h"
#include "sample_report.h"
#include "screen_texts.h"
#include "store/cp1251.h"

#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace kestrelon {
namespace {

constexpr DocumentKind kAct = DocumentKind::OffsetAct;

// Where the texts of a laid-out act fall: for each text (as often as it occurs) the sheets it
// is on, and what each sheet carries.
struct Pagination {
    std::map<std::string, std::vector<std::size_t>> sheetsOf;
    std::vector<int> tableRows;
    std::vector<int> tails;
};

Pagination paginationOf(const PlacedDocument& document) {
    Pagination p;
    for (std::size_t s = 0; s < document.pages.size(); ++s) {
        for (const TextItem& t : document.pages[s].texts) {
            p.sheetsOf[t.text].push_back(s + 1);
        }
        p.tableRows.push_back(document.pages[s].tableRows);
        p.tails.push_back(document.pages[s].tailCode);
    }
    return p;
}

// The first text whose sheets differ, or the sheets' contents; empty when they agree.
std::string difference(const Pagination& a, const Pagination& b) {
    std::ostringstream out;
    const auto sheets = [](const std::vector<std::size_t>& on) {
        std::string list;
        for (const std::size_t s : on) {
            list += (list.empty() ? "" : ",") + std::to_string(s);
        }
        return list.empty() ? std::string("none") : "sheet " + list;
    };
    for (const auto& [text, on] : a.sheetsOf) {
        const auto other = b.sheetsOf.find(text);
        const std::vector<std::size_t> there =
            other == b.sheetsOf.end() ? std::vector<std::size_t>{} : other->second;
        if (there != on) {
            out << "\"" << cp1251ToUtf8(text) << "\": " << sheets(on) << " against "
                << sheets(there);
            return out.str();
        }
    }
    if (a.sheetsOf.size() != b.sheetsOf.size()) {
        return "texts found on one device only";
    }
    if (a.tableRows != b.tableRows || a.tails != b.tails) {
        return "the sheets carry other rows or closing blocks";
    }
    return {};
}

// A screen image of the given resolution, as the report window measures its screen with.
struct Screen {
    explicit Screen(double dpi) : image(1, 1, QImage::Format_RGB32) {
        const int dotsPerMetre = static_cast<int>(std::lround(dpi / 25.4 * 1000));
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        geometry.scale = {dotsPerMetre / 1000.0, dotsPerMetre / 1000.0};
    }
    QImage image;
    PageGeometry geometry;
};

// The act as the «Акт Зачета» tab lays it out on a screen of `dpi`.
PlacedDocument onScreen(const DocumentInput& input, double dpi) {
    Screen screen(dpi);
    const QtTextMetrics metrics(&screen.image);
    const DocumentTexts texts = buildDocumentTexts(kAct, input, screen.geometry, metrics);
    return layoutDocument(kAct, texts, screen.geometry, metrics);
}

// The act as the PDF export lays it out: texts built for the 600-dpi PDF writer itself.
PlacedDocument inPdf(const DocumentInput& input) {
    QTemporaryDir dir;
    QPdfWriter writer(dir.filePath("m.pdf"));
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    const QtTextMetrics metrics(&writer);
    const PageGeometry geometry = pagedDeviceGeometry(writer);
    return layoutDocument(kAct, buildDocumentTexts(kAct, input, geometry, metrics), geometry,
                          metrics);
}

// The act as "Печать" lays it out: the screen's texts on a 1200-dpi printer whose printable
// area starts inside the sheet.
PlacedDocument onPrinter(const DocumentInput& input) {
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("p.pdf"));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(false);
    printer.setPageMargins(QMarginsF(7, 11, 5, 5), QPageLayout::Millimeter);
    const QtTextMetrics metrics(&printer);
    return layoutDocument(kAct, test::screenTexts(kAct, input), pagedDeviceGeometry(printer),
                          metrics);
}

struct Names {
    const char* what;
    std::string agent;
    std::string agentAccountant; // genitive, as the preamble names her
};

// Names as bookkeepers type them, from the sample's short one to the longest a card holds.
std::vector<Names> names() {
    return {
        {"the sample's names", test::kSampleAgentName, "Петровой П. П."},
        {"a long real name",
         "Общество с ограниченной ответственностью \"Связь-Сервис Северо-Западного региона\"",
         "Константинопольской Анастасии Вячеславовны"},
        {"a name of 40 characters", cp1251ToUtf8(test::sampleName(40, test::NameForm::Words)),
         "Петровой П. П."},
        {"the longest name", cp1251ToUtf8(test::sampleName(128, test::NameForm::Words)),
         "Петровой П. П."},
    };
}

DocumentInput actOf(std::size_t rows, const Names& n) {
    DocumentInput input = documentInputFromReport(*test::sampleReport(rows));
    input.agent->name = utf8ToCp1251(n.agent);
    input.agentChiefAccountantGenitive = utf8ToCp1251(n.agentAccountant);
    return input;
}

TEST(SameSheetsEverywhere, EveryTextOfTheActIsOnTheSameSheetOnScreenOnPaperAndInThePdf) {
    // Screens of 96 dpi, and of what displays that report their size give; a screen's texts
    // on the printer; the PDF writer's own.
    const std::vector<std::pair<std::string, std::function<PlacedDocument(const DocumentInput&)>>>
        devices = {
            {"a 72-dpi screen", [](const DocumentInput& in) { return onScreen(in, 72); }},
            {"a 92-dpi screen", [](const DocumentInput& in) { return onScreen(in, 91.79); }},
            {"a 120-dpi screen", [](const DocumentInput& in) { return onScreen(in, 120); }},
            {"a 144-dpi screen", [](const DocumentInput& in) { return onScreen(in, 144); }},
            {"the printer", onPrinter},
            {"the PDF", inPdf},
        };
    std::size_t mostSheets = 0;
    for (const Names& n : names()) {
        for (std::size_t rows = 1; rows <= 75; ++rows) {
            const DocumentInput input = actOf(rows, n);
            const PlacedDocument tab = onScreen(input, 96);
            const Pagination expected = paginationOf(tab);
            mostSheets = std::max(mostSheets, tab.pages.size());
            for (const auto& [device, layout] : devices) {
                const PlacedDocument placed = layout(input);
                EXPECT_EQ(placed.pages.size(), tab.pages.size())
                    << device << ", " << rows << " invoices, " << n.what;
                const std::string differs = difference(expected, paginationOf(placed));
                EXPECT_EQ(differs, "")
                    << device << " against the 96-dpi tab, " << rows << " invoices, " << n.what;
            }
        }
    }
    EXPECT_GE(mostSheets, 3u) << "the cases reach a third sheet";
}

class PrintedActs : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::havePdfTools()) << "pdftotext (poppler-utils) is needed";
        ASSERT_TRUE(dir_.isValid());
    }

    // The sheets of the file, as poppler counts them.
    int sheetsOf(const QString& pdf) {
        const auto text = test::readPdfText(pdf);
        EXPECT_TRUE(text) << "pdftotext failed on " << pdf.toStdString();
        return text ? text->pageCount : -1;
    }

    int exportedSheets(const DocumentInput& input) {
        const QString pdf = dir_.filePath(QStringLiteral("act.pdf"));
        const OutputResult result = exportPdf(kAct, input, pdf);
        EXPECT_TRUE(result.ok()) << result.error.toStdString();
        return sheetsOf(pdf);
    }

    int printedSheets(const DocumentInput& input) {
        const QString pdf = dir_.filePath(QStringLiteral("printed.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setFullPage(true);
        const OutputResult result = printOnPrinter(printer, kAct, test::screenTexts(kAct, input));
        EXPECT_TRUE(result.ok()) << result.error.toStdString();
        return sheetsOf(pdf);
    }

    QTemporaryDir dir_;
};

TEST_F(PrintedActs, AMonthOfTwelveInvoicesIsOneSheetOnTheTabInTheFileAndOnPaper) {
    const DocumentInput input = actOf(12, names().front());
    EXPECT_EQ(onScreen(input, 96).pages.size(), 1u);
    EXPECT_EQ(exportedSheets(input), 1);
    EXPECT_EQ(printedSheets(input), 1);
}

TEST_F(PrintedActs, TheFileAndThePrintoutHaveAsManySheetsAsTheTab) {
    // Twelve invoices with an agent's name of 40 characters showed one sheet on the tab while
    // the file and the printout put clause 5 and the signatures alone on a second.
    const std::vector<Names> all = names();
    const struct {
        std::size_t rows;
        std::size_t names;
    } cases[] = {{12, 2}, {19, 0}, {20, 0}, {28, 0}, {12, 1}, {30, 1}, {62, 0}, {63, 0}, {12, 3}};
    for (const auto& c : cases) {
        const DocumentInput input = actOf(c.rows, all[c.names]);
        const int tab = static_cast<int>(onScreen(input, 96).pages.size());
        EXPECT_EQ(exportedSheets(input), tab) << c.rows << " invoices, " << all[c.names].what;
        EXPECT_EQ(printedSheets(input), tab) << c.rows << " invoices, " << all[c.names].what;
    }
}

} // namespace
} // namespace kestrelon
