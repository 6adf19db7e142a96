// Names of every length a record holds must never make the documents overprint or run off
// the paper: checked on the layouts with the real fonts on every kind of device, and on the
// words of the exported PDF files.

#include "long_names.h"
#include "pdf_probe.h"
#include "render/document_texts.h"
#include "render/paged_device_geometry.h"
#include "render/pdf_export.h"
#include "render/qt_text_metrics.h"
#include "sample_report.h"
#include "screen_texts.h"
#include "sheet_check.h"
#include "store/cp1251.h"

#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace kestrelon {
namespace {

using test::NameForm;

// Which names of the report are long; the other texts are those of an ordinary report.
enum class Field { Agent, Principal, Bank, All };

struct NameCase {
    Field field;
    std::size_t length;
    NameForm form;
};

std::string describe(const NameCase& c) {
    static const char* const fields[] = {"agent", "principal", "bank", "every"};
    std::ostringstream out;
    out << fields[static_cast<int>(c.field)] << " name of " << c.length << " characters, "
        << test::nameFormName(c.form);
    return out.str();
}

DocumentInput inputWith(const NameCase& c, std::size_t rows = 3) {
    DocumentInput in = documentInputFromReport(*test::sampleReport(rows));
    const std::string name = test::sampleName(c.length, c.form);
    if (c.field == Field::Agent || c.field == Field::All) {
        in.agent->name = name;
    }
    if (c.field == Field::Principal || c.field == Field::All) {
        in.principal->name = name;
    }
    // A live bank name holds 128 characters; a stored report keeps only 64 of a short name.
    if (c.field == Field::Bank || c.field == Field::All) {
        in.agent->bankName = name;
    }
    return in;
}

constexpr std::size_t kLengths[] = {1, 20, 40, 64, 100, test::kLongestName};

// Each name alone at each length, then all three at once.
std::vector<NameCase> nameCases(bool alone) {
    std::vector<NameCase> cases;
    const auto fields = alone ? std::vector<Field>{Field::Agent, Field::Principal, Field::Bank}
                              : std::vector<Field>{Field::All};
    for (const Field field : fields) {
        for (const std::size_t length : kLengths) {
            for (const NameForm form : {NameForm::Words, NameForm::OneWord}) {
                cases.push_back({field, length, form});
            }
        }
        cases.push_back({field, test::kLongestName, NameForm::Widest});
    }
    return cases;
}

void expectLegible(const std::vector<test::Sheet>& sheets, double tolerance,
                   const std::string& what) {
    for (std::size_t p = 0; p < sheets.size(); ++p) {
        for (const std::string& fault : test::sheetFaults(sheets[p], tolerance)) {
            ADD_FAILURE() << what << ", page " << p + 1 << ": " << fault;
        }
    }
}

// A device the documents are laid out on, and where their texts were wrapped.
struct Device {
    const char* name;
    PageGeometry geometry;
    const QtTextMetrics* metrics;
    // Printing lays out the texts that the screen wrapped; the others wrap on the device.
    bool textsFromScreen = false;
};

void expectEveryCaseLegible(const Device& device) {
    std::vector<NameCase> cases = nameCases(true);
    const std::vector<NameCase> together = nameCases(false);
    cases.insert(cases.end(), together.begin(), together.end());
    for (const NameCase& c : cases) {
        const DocumentInput input = inputWith(c);
        for (const DocumentKind kind : kAllDocuments) {
            const DocumentTexts texts =
                device.textsFromScreen
                    ? test::screenTexts(kind, input)
                    : buildDocumentTexts(kind, input, device.geometry, *device.metrics);
            const PlacedDocument placed =
                layoutDocument(kind, texts, device.geometry, *device.metrics);
            expectLegible(test::sheetsOf(placed, device.geometry, *device.metrics), 0,
                          std::string(device.name) + ", " + documentTitle(kind) + ", " +
                              describe(c));
        }
    }
}

// An act of mutual offset of several sheets repeats the invoice table's head on each further
// sheet with rows, and names the act and the sheet at the foot of each: texts that the check
// must see, or it would pass an act whose further sheets overprint them.
void expectSheetsNamed(const PlacedDocument& act, const std::string& what) {
    const std::size_t pages = act.pages.size();
    for (std::size_t p = 0; pages > 1 && p < pages; ++p) {
        const std::string line = "Акт зачета взаимных требований № 7 от 31.03.2011 — лист "_cp +
                                 std::to_string(p + 1) + " из "_cp + std::to_string(pages);
        const std::vector<TextItem>& texts = act.pages[p].texts;
        const auto count = [&](const std::string& text) {
            return std::count_if(texts.begin(), texts.end(),
                                 [&](const TextItem& t) { return t.text == text; });
        };
        EXPECT_EQ(count(line), 1) << what << ", page " << p + 1;
        if (p > 0) {
            EXPECT_EQ(count("Номер счета"_cp), act.pages[p].tableRows > 0 ? 1 : 0)
                << what << ", page " << p + 1;
        }
    }
}

// Every row count up to three sheets, so that each way the rows and the closing text can
// fall on the sheets comes by, and the most rows a report holds; with ordinary names, and
// with every name at its longest.
void expectLongActsLegible(const Device& device) {
    std::vector<std::pair<std::size_t, std::optional<NameCase>>> acts;
    for (std::size_t rows = 1; rows <= 110; ++rows) {
        acts.emplace_back(rows, std::nullopt);
    }
    acts.emplace_back(ReportRecord::kMaxRows, std::nullopt);
    for (const std::size_t rows : {std::size_t{40}, ReportRecord::kMaxRows}) {
        acts.emplace_back(rows, NameCase{Field::All, test::kLongestName, NameForm::Words});
        acts.emplace_back(rows, NameCase{Field::All, test::kLongestName, NameForm::Widest});
    }
    std::size_t mostPages = 0;
    for (const auto& [rows, names] : acts) {
        const DocumentInput input =
            names ? inputWith(*names, rows) : documentInputFromReport(*test::sampleReport(rows));
        const DocumentKind kind = DocumentKind::OffsetAct;
        const DocumentTexts texts =
            device.textsFromScreen
                ? test::screenTexts(kind, input)
                : buildDocumentTexts(kind, input, device.geometry, *device.metrics);
        const PlacedDocument placed = layoutDocument(kind, texts, device.geometry, *device.metrics);
        const std::string what = std::string(device.name) + ", act of " + std::to_string(rows) +
                                 " invoices" + (names ? ", " + describe(*names) : "");
        expectSheetsNamed(placed, what);
        expectLegible(test::sheetsOf(placed, device.geometry, *device.metrics), 0, what);
        mostPages = std::max(mostPages, placed.pages.size());
    }
    EXPECT_GE(mostPages, 17u) << device.name << ": the longest act runs to many sheets";
}

TEST(DocumentsNeverOverprint, OnTheScreen) {
    QImage image = test::screenImage();
    const QtTextMetrics metrics(&image);
    expectEveryCaseLegible({"screen", test::screenGeometry(), &metrics});
    expectLongActsLegible({"screen", test::screenGeometry(), &metrics});
}

TEST(DocumentsNeverOverprint, OnAPdfWriter) {
    QTemporaryDir dir;
    QPdfWriter writer(dir.filePath("m.pdf"));
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    const QtTextMetrics metrics(&writer);
    expectEveryCaseLegible({"PDF", pagedDeviceGeometry(writer), &metrics});
    expectLongActsLegible({"PDF", pagedDeviceGeometry(writer), &metrics});
}

TEST(DocumentsNeverOverprint, OnAPrinterWithTheScreensLines) {
    // A printer whose printable area starts inside the sheet, printing what the screen wrapped.
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("p.pdf"));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(false);
    printer.setPageMargins(QMarginsF(7, 11, 5, 5), QPageLayout::Millimeter);
    const QtTextMetrics metrics(&printer);
    const PageGeometry geometry = pagedDeviceGeometry(printer);
    ASSERT_GT(geometry.offsetX, 0);
    expectEveryCaseLegible({"printer", geometry, &metrics, true});
    expectLongActsLegible({"printer", geometry, &metrics, true});
}

// Every text of a document as it was built, before any wrapping at layout.
std::set<std::string> builtTexts(DocumentKind kind, const DocumentTexts& t) {
    std::set<std::string> all;
    const auto add = [&](const DocumentText& items) { all.insert(items.begin(), items.end()); };
    add(kind == DocumentKind::Invoice ? t.invoice
        : kind == DocumentKind::Act   ? t.act
                                      : t.offsetAct.items);
    for (const auto& row : t.offsetAct.cells) {
        all.insert(row.begin(), row.end());
    }
    return all;
}

TEST(DocumentsNeverOverprint, AnOrdinaryReportKeepsEveryTextOnOneLine) {
    // Texts that fit are not wrapped and push nothing down: the documents look as they always
    // have.
    QImage image = test::screenImage();
    const QtTextMetrics metrics(&image);
    const DocumentInput input = documentInputFromReport(*test::sampleReport(3));
    for (const DocumentKind kind : kAllDocuments) {
        const DocumentTexts texts =
            buildDocumentTexts(kind, input, test::screenGeometry(), metrics);
        const std::set<std::string> built = builtTexts(kind, texts);
        const PlacedDocument placed = layoutDocument(kind, texts, test::screenGeometry(), metrics);
        for (const PlacedPage& page : placed.pages) {
            for (const TextItem& t : page.texts) {
                EXPECT_TRUE(built.count(t.text) > 0)
                    << documentTitle(kind) << ": \"" << cp1251ToUtf8(t.text) << "\" was wrapped";
            }
        }
    }
}

// The exported files themselves: the words as poppler finds them, and the column rules as
// they are drawn.
class ExportedDocuments : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::havePdfTools()) << "pdftotext and pdftoppm (poppler-utils) are needed";
        ASSERT_TRUE(dir_.isValid());
    }

    QString exported(DocumentKind kind, const DocumentInput& input) {
        const QString path = dir_.filePath(QStringLiteral("doc.pdf"));
        const OutputResult result = exportPdf(kind, input, path);
        EXPECT_TRUE(result.ok()) << result.error.toStdString();
        return path;
    }

    QTemporaryDir dir_;
};

// At 150 dpi the finest rule, a quarter millimetre, covers a whole column of dark pixels.
constexpr int kRenderDpi = 150;
// Words are placed to a device pixel of 600 dpi and boxed by the fonts' own heights.
constexpr double kPdfToleranceMm = 0.15;
// A column rule of the documents is at least a 6 mm row high; no letter is this tall.
constexpr double kRuleMinMm = 5.0;

std::vector<test::Sheet> pdfSheets(const QString& pdf) {
    std::vector<test::Sheet> sheets;
    const auto text = test::readPdfText(pdf);
    if (!text) {
        ADD_FAILURE() << "pdftotext failed";
        return sheets;
    }
    for (int p = 0; p < text->pageCount; ++p) {
        test::Sheet sheet{text->pageWidth, text->pageHeight, {}, {}};
        for (const test::PdfWord& w : text->words) {
            if (w.page == p) {
                sheet.texts.push_back({w.text.toStdString(), w.left, w.top, w.right, w.bottom});
            }
        }
        const QImage image = test::renderPdfPage(pdf, p, kRenderDpi);
        EXPECT_FALSE(image.isNull()) << "pdftoppm failed";
        for (const test::PdfVerticalLine& l : test::verticalLines(image, kRenderDpi, kRuleMinMm)) {
            sheet.rules.push_back({l.x, l.top, l.x, l.bottom});
        }
        sheets.push_back(std::move(sheet));
    }
    return sheets;
}

TEST_F(ExportedDocuments, FindTheColumnRulesTheCheckLooksFor) {
    // Without the rules the check would pass a text run across a column: the goods table's
    // rules at 28 and 105 mm, the act's at 111 mm and the offset act's edge at 195 mm must be
    // found.
    const DocumentInput input = documentInputFromReport(*test::sampleReport(3));
    const struct {
        DocumentKind kind;
        double x;
    } expected[] = {{DocumentKind::Invoice, 28},
                    {DocumentKind::Invoice, 105},
                    {DocumentKind::Act, 111},
                    {DocumentKind::OffsetAct, 195}};
    for (const auto& e : expected) {
        const std::vector<test::Sheet> sheets = pdfSheets(exported(e.kind, input));
        ASSERT_FALSE(sheets.empty());
        const auto& rules = sheets.front().rules;
        EXPECT_TRUE(
            std::any_of(rules.begin(), rules.end(),
                        [&](const test::SheetRule& r) { return std::abs(r.x1 - e.x) < 0.5; }))
            << documentTitle(e.kind) << " at " << e.x << " mm";
    }
}

TEST_F(ExportedDocuments, NeverOverprintWhateverTheNames) {
    for (const NameCase& c : nameCases(false)) {
        const DocumentInput input = inputWith(c);
        for (const DocumentKind kind : kAllDocuments) {
            expectLegible(pdfSheets(exported(kind, input)), kPdfToleranceMm,
                          std::string("PDF file, ") + documentTitle(kind) + ", " + describe(c));
        }
    }
}

// The words of a sheet below `fromMm`, in reading order, one blank apart.
QString wordsBelow(const test::PdfText& text, int page, double fromMm) {
    QStringList words;
    for (const test::PdfWord& w : text.words) {
        if (w.page == page && w.top > fromMm) {
            words << w.text;
        }
    }
    return words.join(' ');
}

TEST_F(ExportedDocuments, LongActsNeverOverprintAndNameEverySheet) {
    struct LongAct {
        std::size_t rows;
        std::optional<NameCase> names;
    };
    const LongAct acts[] = {
        {40, std::nullopt},
        {ReportRecord::kMaxRows, std::nullopt},
        {40, NameCase{Field::All, test::kLongestName, NameForm::Words}},
    };
    for (const LongAct& act : acts) {
        const std::string what = "PDF file, act of " + std::to_string(act.rows) + " invoices" +
                                 (act.names ? ", " + describe(*act.names) : "");
        const DocumentInput input = act.names
                                        ? inputWith(*act.names, act.rows)
                                        : documentInputFromReport(*test::sampleReport(act.rows));
        const QString pdf = exported(DocumentKind::OffsetAct, input);
        const auto text = test::readPdfText(pdf);
        ASSERT_TRUE(text) << what;
        ASSERT_GE(text->pageCount, 2) << what;
        for (int p = 0; p < text->pageCount; ++p) {
            // Only the sheet's line stands at its foot, under the lowest row.
            EXPECT_EQ(wordsBelow(*text, p, 285).toStdString(),
                      "Акт зачета взаимных требований № 7 от 31.03.2011 — лист " +
                          std::to_string(p + 1) + " из " + std::to_string(text->pageCount))
                << what << ", page " << p + 1;
            // Only the last sheet can be left to the closing text alone; every other one has
            // rows under the table's head (the first sheet has it twice, over both tables).
            if (p + 1 < text->pageCount) {
                const auto heads = std::count_if(
                    text->words.begin(), text->words.end(), [&](const test::PdfWord& w) {
                        return w.page == p && w.text == QStringLiteral("взаимозачета");
                    });
                EXPECT_EQ(heads, p == 0 ? 2 : 1) << what << ", page " << p + 1;
            }
        }
        expectLegible(pdfSheets(pdf), kPdfToleranceMm, what);
    }
}

} // namespace
} // namespace kestrelon
