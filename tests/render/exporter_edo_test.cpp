// kestrelon-export --edo as a user runs it: a stored report's УПД and the two PDFs beside it,
// the ids and the signer from the data folder or the command line; refused with every reason.

#include "exchange/edo_book.h"
#include "exporter_run.h"
#include "sample_report.h"
#include "schema_validation.h"
#include "store/agent_record.h"
#include "store/cp1251.h"
#include "store/image_file.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QProcess>
#include <gtest/gtest.h>

namespace kestrelon {
namespace {

using test::ExporterRun;
using test::runExporter;

// A data folder with the stored March 2011 report of real requisites, its agent contract
// dated, and the ids and the director's full name kept.
struct EdoDataFolder {
    EdoDataFolder() {
        auto report = test::sampleReport();
        report->AgentFirm.Inn = "7701234560";
        report->AgentFirm.Kpp = "770101001";
        report->AgentFirm.SettlementAccount = "40602810700000000025";
        report->AgentFirm.CorrAccount = "30101810800000000746";
        report->AgentFirm.Bik = "049805746";
        report->PrincipalFirm.Inn = "7712345671";
        report->PrincipalFirm.SettlementAccount.clear();
        folder.writeFile("r.rep", test::reportFileBytes(*report));
        AgentRecord agent{};
        agent.ContractNo = "А-17"_cp;
        agent.ContractDate = "1.02.2012";
        saveImage(folder.path(), "Agent", agent);
        EdoBook book;
        book.setParticipantId("7701234560", "2BE-agent-01");
        book.setParticipantId("7712345671", "2BM-principal-02");
        book.setSigner("Иванов И. И."_cp, PersonName{"Иванов"_cp, "Иван"_cp, "Иванович"_cp});
        saveEdoBook(folder.path(), book);
    }
    QString path(const char* name) const { return QString::fromStdString(folder.path() + name); }
    test::TempFolder folder;
};

TEST(ExporterEdo, WritesTheUpdAndTheTwoPdfsFromTheDataFolder) {
    EdoDataFolder data;
    const ExporterRun run = runExporter({"--edo", data.path("r.rep"), data.path("out")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    QStringList files = QDir(data.path("out")).entryList(QDir::Files);
    ASSERT_EQ(files.size(), 3) << files.join(' ').toStdString();
    for (const QString& pdf : {QStringLiteral("Счет 8 за Март 2011.pdf"),
                               QStringLiteral("Акт зачета 7 за Март 2011.pdf")}) {
        EXPECT_TRUE(files.removeOne(pdf)) << pdf.toStdString();
    }
    ASSERT_EQ(files.size(), 1);
    EXPECT_TRUE(
        files[0].startsWith(QStringLiteral("ON_NSCHFDOPPR_2BM-principal-02_2BE-agent-01_")));
    EXPECT_TRUE(files[0].endsWith(QStringLiteral("_0_0_0_0_0_00.xml")));
    QFile upd(data.path("out") + QLatin1Char('/') + files[0]);
    ASSERT_TRUE(upd.open(QIODevice::ReadOnly));
    EXPECT_EQ(test::updSchemaErrors(upd.readAll().toStdString()), "");
    EXPECT_NE(run.out.find(files[0].toStdString()), std::string::npos) << run.out;
}

// The operator takes the three files together: when one cannot be written (a folder of its name
// is in the way; the disk too full for the last) none is, and the run fails.
TEST(ExporterEdo, TheThreeFilesAreWrittenTogetherOrNotAtAll) {
    for (const bool folderInTheWay : {true, false}) {
        SCOPED_TRACE(folderInTheWay ? "a folder in the way" : "a file-size limit");
        EdoDataFolder data;
        QDir().mkpath(data.path("out"));
        if (folderInTheWay) {
            QDir().mkpath(data.path("out/Акт зачета 7 за Март 2011.pdf"));
        }
        const ExporterRun run = runExporter({"--edo", data.path("r.rep"), data.path("out")},
                                            folderInTheWay ? RLIM_INFINITY : 4096);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find(folderInTheWay ? "is a folder" : "I/O error 27"), std::string::npos)
            << run.err;
        EXPECT_TRUE(QDir(data.path("out")).entryList(QDir::Files).isEmpty())
            << QDir(data.path("out")).entryList(QDir::Files).join(' ').toStdString();
    }
}

TEST(ExporterEdo, TheCommandLineGivesWhatTheDataFolderLacks) {
    EdoDataFolder data;
    data.folder.writeFile("Edo", std::string(4060, '\0'));
    const ExporterRun refused = runExporter({"--edo", data.path("r.rep"), data.path("out")});
    EXPECT_EQ(refused.exitCode, 1);
    for (const char* says : {"Не указан идентификатор участника ЭДО организации агента",
                             "Не указан идентификатор участника ЭДО организации принципала",
                             "руководителя «Иванов И. И."}) {
        EXPECT_NE(refused.err.find(says), std::string::npos) << says << "\n" << refused.err;
    }
    EXPECT_FALSE(QDir(data.path("out")).exists() &&
                 !QDir(data.path("out")).entryList(QDir::Files).isEmpty());

    const ExporterRun run = runExporter({"--edo", data.path("r.rep"), data.path("out"),
                                         "--sender-id", "2BE-cli", "--recipient-id", "2BM-cli",
                                         "--signer", QStringLiteral("Иванов Иван Иванович")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(QDir(data.path("out"))
                  .entryList({QStringLiteral("ON_NSCHFDOPPR_2BM-cli_2BE-cli_*")})
                  .size(),
              1);
    EXPECT_EQ(runExporter({"--edo", data.path("r.rep")}).exitCode, 2);
    EXPECT_EQ(runExporter({"--edo", data.path("r.rep"), "o", "--signer", "Иванов И.И."}).exitCode,
              2);
}

// What is said names what the user can act on: the folder and what it lacks, the file that is
// short, and a Cyrillic argument as it was typed.
TEST(ExporterEdo, AMessageNamesTheFolderTheFileAndTheArgumentAsGiven) {
    EdoDataFolder data;
    data.folder.writeFile("notafolder", "x");
    QDir().mkpath(data.path("empty"));
    QDir().mkpath(data.path("short"));
    data.folder.writeFile("short/Agent", "12345");
    const struct {
        const char* name;
        QStringList extra;
        std::string says;
    } cases[] = {
        {"a folder that is not there",
         {"--data-folder", data.path("nonexistent")},
         "the data folder " + data.folder.path() + "nonexistent/ does not exist"},
        {"a file", {"--data-folder", data.path("notafolder")}, "notafolder/ is not a folder"},
        {"a folder without Agent",
         {"--data-folder", data.path("empty")},
         "empty/ has no \"Agent\" (the agent contract"},
        {"a short Agent",
         {"--data-folder", data.path("short")},
         data.folder.path() + "short/Agent: Read beyond end of file"},
        {"a Cyrillic id",
         {"--sender-id", QStringLiteral("2ВЕ-агент")},
         "Идентификатор участника ЭДО организации агента «2ВЕ-агент»"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ExporterRun run =
            runExporter(QStringList{"--edo", data.path("r.rep"), data.path("out")} + c.extra);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    }
}

} // namespace
} // namespace kestrelon
