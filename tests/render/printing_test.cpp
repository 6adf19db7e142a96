#include "pdf_probe.h"
#include "render/printing.h"
#include "sample_report.h"
#include "screen_texts.h"

#include <QFile>
#include <QPrinter>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace kestrelon {
namespace {

// Sets an environment variable for the test's duration.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnv() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(Printing, WithoutAnyPrinterItSaysSoUnlessTheChoiceNamesAFile) {
    // A print server that is not there, and no printer named by the user's settings.
    QTemporaryDir dir;
    const std::string socket = dir.filePath("no-server.sock").toStdString();
    const std::string settings = dir.path().toStdString();
    const ScopedEnv server("CUPS_SERVER", socket.c_str());
    const ScopedEnv serverRoot("CUPS_SERVERROOT", settings.c_str());
    const ScopedEnv home("HOME", settings.c_str());
    const ScopedEnv printer("PRINTER", nullptr);
    const ScopedEnv lpdest("LPDEST", nullptr);

    const DocumentInput input = documentInputFromReport(*test::sampleReport());
    const DocumentTexts texts = test::screenTexts(DocumentKind::Act, input);
    const QString file = dir.filePath(QStringLiteral("act.pdf"));
    const struct {
        const char* what;
        bool accept;
        bool toFile;
        const char* error;
    } cases[] = {
        {"taken as offered", true, false, "Принтер по умолчанию не найден."},
        {"given up", false, false, ""},
        {"printed to a file", true, true, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QString offered = QStringLiteral("<not asked>");
        QString job;
        const OutputResult result =
            printDocument(DocumentKind::Act, texts, QStringLiteral("Акт 9 за Март 2011"),
                          [&](QPrinter& p, int sheets) {
                              offered = p.printerName();
                              job = p.docName();
                              EXPECT_EQ(sheets, 1);
                              if (c.toFile) {
                                  p.setOutputFileName(file);
                              }
                              return c.accept;
                          });
        EXPECT_EQ(offered, QString()) << "no printer to start on";
        EXPECT_EQ(job, QStringLiteral("Акт 9 за Март 2011"));
        EXPECT_EQ(result.error.toStdString(), c.error);
        EXPECT_EQ(QFile::exists(file), c.toFile);
    }
}

// The words of each sheet of a PDF, one blank apart.
QStringList sheetWords(const QString& pdf) {
    QStringList sheets;
    const auto text = test::readPdfText(pdf);
    if (!text) {
        return {QStringLiteral("<pdftotext failed>")};
    }
    for (int p = 0; p < text->pageCount; ++p) {
        QStringList words;
        for (const test::PdfWord& w : text->words) {
            if (w.page == p) {
                words << w.text;
            }
        }
        sheets << words.join(' ');
    }
    return sheets;
}

TEST(Printing, OnlyTheChosenSheetsReachThePaperAsOftenAsTheCopiesAsk) {
    ASSERT_TRUE(test::havePdfTools());
    // 120 invoices: an act of four sheets, each naming itself at its foot.
    const DocumentInput input = documentInputFromReport(*test::sampleReport(120));
    const DocumentTexts texts = test::screenTexts(DocumentKind::OffsetAct, input);
    const struct {
        const char* what;
        int from, to; // 0: every sheet
        int copies;
        bool collated;
        std::vector<int> sheets; // as printed, by the number each names
    } cases[] = {
        {"every sheet", 0, 0, 1, true, {1, 2, 3, 4}},
        {"the second alone", 2, 2, 1, true, {2}},
        {"from the third on, past the last", 3, 9, 1, true, {3, 4}},
        {"two copies, each whole in turn", 0, 0, 2, true, {1, 2, 3, 4, 1, 2, 3, 4}},
        {"two copies, not collated", 2, 3, 2, false, {2, 2, 3, 3}},
        {"three copies of the first", 1, 1, 3, true, {1, 1, 1}},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString pdf = dir.filePath(QStringLiteral("printed.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setFullPage(true);
        if (c.from > 0) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(c.from, c.to);
        }
        printer.setCopyCount(c.copies);
        printer.setCollateCopies(c.collated);
        ASSERT_FALSE(printer.supportsMultipleCopies()) << "a PDF file makes no copies itself";
        const OutputResult result = printOnPrinter(printer, DocumentKind::OffsetAct, texts);
        ASSERT_TRUE(result.ok()) << result.error.toStdString();
        const QStringList printed = sheetWords(pdf);
        ASSERT_EQ(printed.size(), static_cast<qsizetype>(c.sheets.size()));
        for (std::size_t i = 0; i < c.sheets.size(); ++i) {
            const QString foot = QStringLiteral("лист %1 из 4").arg(c.sheets[i]);
            EXPECT_TRUE(printed[static_cast<qsizetype>(i)].contains(foot))
                << "sheet " << i + 1 << " should be " << foot.toStdString();
        }
    }
}

} // namespace
} // namespace kestrelon
