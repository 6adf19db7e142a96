// kestrelon-export --mail as a user runs it: the PDFs written under the names the report window
// gives them, and the desktop's mail program (a stand-in on PATH) called with them.

#include "sample_report.h"
#include "store/cp1251.h"
#include "store/data_store.h"
#include "support/mail_stand_in.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QProcess>
#include <gtest/gtest.h>
#include <optional>

namespace kestrelon {
namespace {

struct ExporterRun {
    int exitCode = -1;
    std::string err;
};

// Runs the exporter in `workingFolder`; the stand-in's PATH is handed down to it.
ExporterRun runExporter(const QStringList& args, const std::string& workingFolder) {
    QProcess process;
    process.setWorkingDirectory(QString::fromStdString(workingFolder));
    process.start(QStringLiteral(KESTRELON_EXPORT_EXE), args);
    EXPECT_TRUE(process.waitForFinished(120000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << "the exporter crashed";
    return {process.exitCode(), process.readAllStandardError().toStdString()};
}

const char* const kNames[] = {"Счет 8 за Март 2011.pdf", "Акт 9 за Март 2011.pdf",
                              "Акт зачета 7 за Март 2011.pdf"};

TEST(ExporterMail, TheMailProgramGetsTheSubjectAndTheThreeWholeDocumentsInOrder) {
    test::TempFolder folder;
    folder.writeFile("r.rep", test::reportFileBytes(*test::sampleReport(40)));
    test::MailStandIn mail;
    // A folder given relative to the current one reaches the mail program as a full name.
    const ExporterRun run = runExporter({"--mail", "r.rep", "out"}, folder.path());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_TRUE(mail.ran());
    const std::string out = folder.path() + "out/";
    const std::vector<std::string> args = mail.arguments();
    ASSERT_EQ(args.size(), 11u);
    EXPECT_EQ(std::vector<std::string>(args.begin(), args.begin() + 4),
              (std::vector<std::string>{"--utf8", "--subject",
                                        "Отчет агента за Март 2011, акт зачета № 7", "--body"}));
    // The same letter as the window writes, from the stored report.
    EXPECT_NE(args[4].find("за Март 2011 по агентскому договору"), std::string::npos) << args[4];
    EXPECT_NE(args[4].find("— акт зачета № 7 от 31.03.2011\n"), std::string::npos) << args[4];
    EXPECT_EQ(std::vector<std::string>(args.begin() + 5, args.end()),
              (std::vector<std::string>{"--attach", out + kNames[0], "--attach", out + kNames[1],
                                        "--attach", out + kNames[2]}));
    for (const char* name : kNames) {
        EXPECT_TRUE(test::isWholePdf(out + name)) << name;
    }
    EXPECT_EQ(QDir(QString::fromStdString(out)).entryList(QDir::Files).size(), 3);
}

TEST(ExporterMail, ThePrincipalsCardNamesTheRecipientAsInTheWindow) {
    // The principal's card in the data folder, the report's own folder unless one is given.
    auto store = std::make_unique<DataStore>();
    FirmRecord& principal = store->Firms[0];
    principal.Name = "ПАО \"Связь\""_cp;
    principal.Inn = "7707083893";
    principal.Email = "reports@svyaz.example; Бухгалтерия <buh@svyaz.example>"_cp;
    store->PrincipalChoice = principal.Inn;
    test::TempFolder folder;
    folder.writeFile("r.rep", test::reportFileBytes(*test::sampleReport()));
    const std::string data = folder.path() + "data/";
    QDir().mkpath(QString::fromStdString(data));
    store->DataFolder = data;
    store->SaveFileFirm();
    store->SaveFilePrincipal();
    const std::vector<std::string> addresses = {"reports@svyaz.example", "buh@svyaz.example"};
    struct Case {
        const char* name;
        QStringList args;
        std::vector<std::string> recipients;
    };
    const std::vector<Case> cases = {
        {"--data-folder", {"--mail", "r.rep", "out", "--data-folder", "data"}, addresses},
        {"the report's folder without a catalogue", {"--mail", "r.rep", "out2"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::MailStandIn mail;
        const ExporterRun run = runExporter(c.args, folder.path());
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const std::vector<std::string> args = mail.arguments();
        ASSERT_GE(args.size(), 11u);
        EXPECT_EQ(args[3], "--body");
        EXPECT_NE(args[4].find("Сумма к перечислению принципалу"), std::string::npos) << args[4];
        EXPECT_EQ(std::vector<std::string>(args.begin() + 11, args.end()), c.recipients);
    }
}

TEST(ExporterMail, WithoutAWorkingMailProgramItSaysWhyAndWhereAndTheDocumentsStay) {
    const struct {
        const char* name;
        std::optional<int> exitStatus; // nothing: no xdg-email on PATH
        const char* says;
    } cases[] = {
        {"no xdg-email", std::nullopt, "xdg-email was not found on PATH"},
        {"xdg-email fails", 1, "xdg-email failed with exit status 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolder folder;
        folder.writeFile("r.rep", test::reportFileBytes(*test::sampleReport()));
        const auto mail = c.exitStatus ? std::make_unique<test::MailStandIn>(*c.exitStatus)
                                       : std::make_unique<test::MailStandIn>(test::kNoMailProgram);
        const std::string out = folder.path() + "out";
        const ExporterRun run =
            runExporter({"--mail", QString::fromStdString(folder.path() + "r.rep"),
                         QString::fromStdString(out)},
                        folder.path());
        EXPECT_EQ(run.exitCode, 3);
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("the documents are in " + out), std::string::npos) << run.err;
        for (const char* name : kNames) {
            EXPECT_TRUE(test::isWholePdf(out + "/" + name)) << name;
        }
    }
}

TEST(ExporterMail, AReportItCannotUseCallsNoMailProgram) {
    test::TempFolder folder;
    folder.writeFile("r.rep", "not a report");
    test::MailStandIn mail;
    const ExporterRun run = runExporter({"--mail", "r.rep", "out"}, folder.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(mail.ran());
    const ExporterRun usage = runExporter({"--mail", "r.rep"}, folder.path());
    EXPECT_EQ(usage.exitCode, 2);
    EXPECT_NE(usage.err.find("--mail expects a report file and an output folder"),
              std::string::npos)
        << usage.err;
}

} // namespace
} // namespace kestrelon
