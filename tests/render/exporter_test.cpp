// The exporter as a user runs it: a separate process, its exit status and what it leaves.

#include "exporter_run.h"
#include "sample_report.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>
#include <optional>

namespace kestrelon {
namespace {

using test::ExporterRun;
using test::runExporter;

QStringList entries(const std::string& folder) {
    return QDir(QString::fromStdString(folder)).entryList(QDir::Files | QDir::NoDotAndDotDot);
}

TEST(Exporter, WritesTheThreeDocumentsAndNothingElse) {
    test::TempFolder folder;
    folder.writeFile("r.rep", test::reportFileBytes(*test::sampleReport(40)));
    const std::string out = folder.path() + "new/sub";
    const ExporterRun run =
        runExporter({QString::fromStdString(folder.path() + "r.rep"), QString::fromStdString(out)});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    QStringList names = entries(out);
    names.sort();
    EXPECT_EQ(names, QStringList({"act.pdf", "invoice.pdf", "offset-act.pdf"}));
    for (const QString& name : names) {
        QFile pdf(QDir(QString::fromStdString(out)).filePath(name));
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
        EXPECT_EQ(pdf.read(5), QByteArray("%PDF-")) << name.toStdString();
        EXPECT_TRUE(pdf.readAll().trimmed().endsWith("%%EOF"))
            << "complete: " << name.toStdString();
    }
}

// On a nearly full disk (here a limit on the size of any file it writes) the run fails and says
// why, and the month's PDFs already in the folder stay as they were: none is replaced by a cut
// one, and no other file appears.
TEST(Exporter, AFileThatCannotBeWrittenWholeLeavesTheOldOnesAndFails) {
    test::TempFolder folder;
    folder.writeFile("r.rep", test::reportFileBytes(*test::sampleReport(40)));
    const std::string out = folder.path() + "out/";
    QDir().mkpath(QString::fromStdString(out));
    for (const char* name : {"invoice.pdf", "act.pdf", "offset-act.pdf"}) {
        folder.writeFile(std::string("out/") + name, std::string("old ") + name);
    }
    const ExporterRun run = runExporter(
        {QString::fromStdString(folder.path() + "r.rep"), QString::fromStdString(out)}, 16384);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("I/O error 27"), std::string::npos) << run.err;
    EXPECT_EQ(entries(out), QStringList({"act.pdf", "invoice.pdf", "offset-act.pdf"}));
    for (const char* name : {"invoice.pdf", "act.pdf", "offset-act.pdf"}) {
        EXPECT_EQ(folder.readFile(std::string("out/") + name), std::string("old ") + name);
    }
}

struct BadReport {
    const char* name;
    std::optional<std::string> bytes; // nothing: no file at all
    const char* reason;               // a phrase the message must contain
    bool folder = false;              // a folder stands where the report should be
};

std::string withRowCount(std::uint16_t count) {
    auto record = test::sampleReport();
    record->RowCount = count;
    return test::reportFileBytes(*record);
}

TEST(Exporter, RefusesAReportItCannotUseAndWritesNothing) {
    const std::string good = test::reportFileBytes(*test::sampleReport());
    const BadReport cases[] = {
        {"missing file", std::nullopt, "no such file"},
        {"empty file", "", "0 bytes"},
        {"too short", good.substr(0, 55175), "55175 bytes"},
        {"too long", good + "x", "55177 bytes"},
        {"rows beyond the record", withRowCount(802), "RowCount"},
        {"a folder", std::nullopt, "not a regular file", true},
    };
    for (const BadReport& bad : cases) {
        SCOPED_TRACE(bad.name);
        test::TempFolder folder;
        if (bad.bytes) {
            folder.writeFile("r.rep", *bad.bytes);
        }
        if (bad.folder) {
            ASSERT_TRUE(QDir().mkdir(QString::fromStdString(folder.path() + "r.rep")));
        }
        const std::string out = folder.path() + "out";
        const ExporterRun run = runExporter(
            {QString::fromStdString(folder.path() + "r.rep"), QString::fromStdString(out)});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find(bad.reason), std::string::npos) << run.err;
        EXPECT_TRUE(entries(out).isEmpty());
    }
}

TEST(Exporter, AFolderThatCannotBeCreatedIsAnError) {
    test::TempFolder folder;
    folder.writeFile("r.rep", test::reportFileBytes(*test::sampleReport()));
    folder.writeFile("blocker", "a file, not a folder");
    const ExporterRun run = runExporter({QString::fromStdString(folder.path() + "r.rep"),
                                         QString::fromStdString(folder.path() + "blocker/out")});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.err.find("cannot create the folder"), std::string::npos) << run.err;
}

TEST(Exporter, ExplainsItselfAndRejectsWrongArguments) {
    const ExporterRun help = runExporter({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("Usage: kestrelon-export REPORT.rep OUT_FOLDER"), std::string::npos);
    EXPECT_NE(help.out.find("offset-act.pdf"), std::string::npos);
    for (const QStringList& args :
         {QStringList{}, QStringList{"only-one"}, QStringList{"a", "b", "c"}}) {
        const ExporterRun wrong = runExporter(args);
        EXPECT_EQ(wrong.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_NE(wrong.err.find("Usage:"), std::string::npos);
    }
}

} // namespace
} // namespace kestrelon
