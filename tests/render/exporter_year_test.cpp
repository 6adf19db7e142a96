// kestrelon-export --year as an accountant's script runs it: the year's summary of a data
// folder as .xlsx, .csv and a one-page PDF, and what it refuses.

#include "exporter_run.h"
#include "pdf_probe.h"
#include "reports/summary/summary_files.h"
#include "reports/summary/summary_folder.h"

#include <QFile>
#include <filesystem>
#include <gtest/gtest.h>

namespace kestrelon {
namespace {

class ExporterYear : public ::testing::Test {
protected:
    ExporterYear() {
        folder.report("1", 0, 2013, "1000.01", "152.54", "100.10", "899.91");
        folder.report("2", 2, 2013, "2000.00", "305.08", "200.00", "1800.00");
        folder.report("3", 2, 2013, "0.99", "0.15", "0.09", "0.90");
        folder.report("7", 5, 2014, "10.00", "1.53", "1.00", "9.00");
        folder.writeFile("cut.rep", std::string(10, 'x'));
    }
    test::ExporterRun run(const QStringList& args) const { return test::runExporter(args); }
    QString path(const char* name) const {
        return QString::fromStdString(out.path()) + QString::fromUtf8(name);
    }

    test::SummaryFolder folder;
    test::TempFolder out;
};

TEST_F(ExporterYear, WritesTheSummaryAsAWorkbookATextAndAPage) {
    const QString data = QString::fromStdString(folder.path());
    for (const char* name : {"year.xlsx", "year.csv", "year.pdf"}) {
        SCOPED_TRACE(name);
        const test::ExporterRun result = run({"--year", "2013", data, path(name)});
        ASSERT_EQ(result.exitCode, 0) << result.err;
        EXPECT_NE(result.err.find("not counted: cut.rep: файл 10 байт"), std::string::npos)
            << result.err;
        EXPECT_NE(result.out.find("the summary of 3 report(s) of 2013"), std::string::npos);
    }
    const std::string csv = out.readFile("year.csv");
    EXPECT_EQ(csv, summaryCsv(summarizeYear(readFolderReports(folder.path()), 2013)))
        << "the same text as the window saves";
    EXPECT_NE(csv.find("I квартал;3;3001,00;457,77;300,19;2700,81\r\n"), std::string::npos);
    EXPECT_EQ(out.readFile("year.xlsx").substr(0, 2), "PK");

    ASSERT_TRUE(test::havePdfTools()) << "poppler-utils is missing; scripts/setup.sh installs it";
    const std::optional<test::PdfText> text = test::readPdfText(path("year.pdf"));
    ASSERT_TRUE(text);
    EXPECT_EQ(text->pageCount, 1) << "one A4 page";
    for (const char* word :
         {"Итоги", "2013", "\"Сапсан-Телеком\"", "квартал", "Итого", "3", "001,00", "cut.rep"}) {
        EXPECT_FALSE(text->find(QString::fromUtf8(word)).empty()) << word;
    }
}

TEST_F(ExporterYear, RefusesWrongArgumentsAnEmptyYearAndTheDataFolder) {
    const QString data = QString::fromStdString(folder.path());
    const struct {
        QStringList args;
        int exitCode;
        const char* says;
    } cases[] = {
        {{"--year", "1999", data, path("a.xlsx")}, 2, "a year from 2010 to 2099"},
        {{"--year", "2013", data, path("a.txt")}, 2, "ending in .xlsx, .csv or .pdf"},
        {{"--year", "2013", data}, 2, "--year expects a year, a data folder and an output file"},
        {{"--year", "2015", data, path("a.csv")}, 1, "no report of 2015"},
        {{"--year", "2013", data, data + QStringLiteral("1_0113_12345678.rep")}, 2, ".xlsx"},
        // A name that leads to a table of the data folder.
        {{"--year", "2013", data, path("link.xlsx")}, 1, "a table of the data folder"},
    };
    folder.writeFile("Firms", "the organizations");
    std::filesystem::create_symlink(folder.path() + "Firms", out.path() + "link.xlsx");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const test::ExporterRun result = run(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        EXPECT_NE(result.err.find(c.says), std::string::npos) << result.err;
    }
    EXPECT_FALSE(QFile::exists(path("a.csv"))) << "an empty year writes nothing";
    EXPECT_EQ(folder.readFile("1_0113_12345678.rep").size(), sizeof(ReportRecord))
        << "the report is untouched";
    EXPECT_EQ(folder.readFile("Firms"), "the organizations");
}

} // namespace
} // namespace kestrelon
