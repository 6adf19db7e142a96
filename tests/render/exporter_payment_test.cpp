// kestrelon-export --payment as a user runs it: a stored report's payment order as the bank
// exchange file; refused with every reason when a requisite would make the bank bounce it.

#include "exporter_run.h"
#include "sample_report.h"
#include "store/cp1251.h"
#include "support/bank_exchange_reader.h"
#include "support/temp_folder.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace kestrelon {
namespace {

using test::ExporterRun;
using test::runExporter;

// The order never takes the place of a file the program reads: the report given, another
// report, a table of the data folder. Nothing is written and the report is whole.
TEST(ExporterPayment, AnOutputThatIsAFileTheProgramReadsIsRefused) {
    test::TempFolder folder;
    const std::string report = test::reportFileBytes(*test::sampleReport());
    folder.writeFile("X.rep", report);
    folder.writeFile("Firms", "firms");
    const QString path = QString::fromStdString(folder.path());
    const struct {
        QString output;
        const char* says;
    } cases[] = {
        {path + "X.rep", "is the file being read"},
        {path + "sub/../X.rep", "is the file being read"},
        {path + "other.rep", "stored report (*.rep)"},
        {path + "Firms", "is a table of the data folder"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.output.toStdString());
        const ExporterRun run = runExporter({"--payment", path + "X.rep", c.output});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_EQ(folder.readFile("X.rep"), report);
        EXPECT_EQ(folder.readFile("Firms"), "firms");
        EXPECT_FALSE(folder.exists("other.rep"));
    }
}

TEST(ExporterPayment, ACyrillicNumberIsEchoedAsTyped) {
    test::TempFolder folder;
    folder.writeFile("r.rep", test::reportFileBytes(*test::sampleReport()));
    const QString path = QString::fromStdString(folder.path());
    const ExporterRun run = runExporter(
        {"--payment", path + "r.rep", path + "order.txt", "--number", QStringLiteral("А1")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Номер платежного поручения «А1» должен состоять из 1–6 цифр"),
              std::string::npos)
        << run.err;
}

TEST(ExporterPayment, WritesTheOrderWithTheNumberAndDateGivenOrRefusesWithTheReasons) {
    test::TempFolder folder;
    auto report = test::sampleReport();
    folder.writeFile("bad.rep", test::reportFileBytes(*report));
    for (FirmBlock* firm : {&report->AgentFirm, &report->PrincipalFirm}) {
        firm->SettlementAccount =
            firm == &report->AgentFirm ? "40602810700000000025" : "40702810900000000026";
        firm->CorrAccount = "30101810800000000746";
        firm->Bik = "049805746";
        firm->BankShortName = "Сбербанк"_cp;
    }
    report->AgentFirm.Inn = "7701234560";
    report->PrincipalFirm.Inn = "7712345671";
    folder.writeFile("r.rep", test::reportFileBytes(*report));
    const QString path = QString::fromStdString(folder.path());

    const ExporterRun run = runExporter({"--payment", path + "r.rep", path + "order.txt",
                                         "--number", "305", "--date", "02.04.2011"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto content = readBankExchange(folder.readFile("order.txt"));
    ASSERT_TRUE(content);
    const auto& document = content->documents.at(0);
    EXPECT_EQ(document.at("Номер"_cp), "305");
    EXPECT_EQ(document.at("Дата"_cp), "02.04.2011");
    EXPECT_EQ(document.at("ПлательщикИНН"_cp), "7701234560");
    EXPECT_NE(run.out.find("order.txt"), std::string::npos);

    const ExporterRun defaults = runExporter({"--payment", path + "r.rep", path + "next.txt"});
    ASSERT_EQ(defaults.exitCode, 0) << defaults.err;
    EXPECT_EQ(readBankExchange(folder.readFile("next.txt"))->documents.at(0).at("Номер"_cp), "1");

    const ExporterRun refused = runExporter({"--payment", path + "bad.rep", path + "bad.txt"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("the payment order is not written"), std::string::npos);
    EXPECT_NE(refused.err.find("контрольная цифра не сходится"), std::string::npos) << refused.err;
    EXPECT_FALSE(folder.exists("bad.txt"));
    EXPECT_EQ(runExporter({"--payment", path + "r.rep"}).exitCode, 2);
}

} // namespace
} // namespace kestrelon
