// "ЭДО" as a bookkeeper meets it: the first time it asks for the participant ids and the
// director's full name, then writes the УПД the tax service's schema accepts and the two PDFs
// beside it into the chosen folder; the next month it asks nothing. A document an operator
// would refuse is not written, and the message names why.

#include "exchange/edo_book.h"
#include "report_outputs.h"
#include "schema_validation.h"
#include "support/mail_stand_in.h"
#include "ui/support/modal_driver.h"
#include "ui/support/scripted_report_dialogs.h"

#include <QDir>
#include <QLabel>

namespace kestrelon {
namespace {

using test::click;

class ReportEdoTest : public test::ReportOutputsTest {
protected:
    // Requisites whose control digits check out, the principal named by its real INN, and the
    // agent contract dated.
    void giveRealRequisites() {
        FirmRecord& principal = store->Firms[0];
        principal.Inn = "7712345671";
        store->PrincipalChoice = "7712345671";
        BankAccount& bank = store->Firms[1].Banks[0];
        bank.SettlementAccount = "40602810700000000025";
        bank.CorrAccount = "30101810800000000746";
        bank.Bik = "049805746";
        store->Agent.ContractDate = "1.02.2012";
        store->refreshFirmIndexes();
    }
    void prepare() {
        prepareMonth();
        tabs()->setCurrentIndex(TFormReport::ActTab);
        test::scriptedDialogs(*report).setEdoFolderChooser([this](QWidget*, const QString&) {
            ++folderChoices;
            return chosen;
        });
    }
    QStringList written() const { return QDir(chosen).entryList(QDir::Files, QDir::Name); }

    test::TempFolder outFolder;
    QString chosen = QString::fromStdString(outFolder.path()).chopped(1);
    int folderChoices = 0;
};

TEST_F(ReportEdoTest, TheFirstTimeItAsksOnceThenWritesTheUpdAndTheTwoPdfs) {
    giveRealRequisites();
    prepare();
    EXPECT_TRUE(button("SpeedButton12")->isEnabled());
    EXPECT_EQ(button("SpeedButton12")->accessibleDescription(),
              QStringLiteral("Выгрузить документы для ЭДО"));

    QStringList problemsShown;
    test::onNextModal(*report, [&](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), QStringLiteral("FormEdoDetails"));
        EXPECT_EQ(test::fieldText(dialog, "EditSurname"), QStringLiteral("Иванов"));
        // A wrong id first: the window stays with what was typed and says why.
        test::typeInto(dialog, "EditAgentId", QStringLiteral("2BE_1"));
        test::typeInto(dialog, "EditPrincipalId", QStringLiteral("2BM-7712345671-771201001"));
        test::typeInto(dialog, "EditName", QStringLiteral("Иван"));
        test::typeInto(dialog, "EditPatronymic", QStringLiteral("Иванович"));
        test::clickButton(dialog, "ButtonOk");
        ASSERT_TRUE(dialog.isVisible());
        problemsShown << dialog.findChild<QLabel*>(QStringLiteral("LabelProblems"))->text();
        test::typeInto(dialog, "EditAgentId", QStringLiteral("2BE-5001000002-500101001"));
        test::clickButton(dialog, "ButtonOk");
        EXPECT_FALSE(dialog.isVisible());
    });
    click(*report, QStringLiteral("SpeedButton12"));
    ASSERT_EQ(problemsShown.size(), 1);
    EXPECT_TRUE(problemsShown[0].contains(QStringLiteral("агента «2BE_1»")))
        << problemsShown[0].toStdString();

    QStringList files = written();
    ASSERT_EQ(files.size(), 3) << files.join(' ').toStdString() << "\n"
                               << sink.messages.join('\n').toStdString();
    for (const QString& pdf : {QStringLiteral("Счет 1 за Март 2013.pdf"),
                               QStringLiteral("Акт зачета 5 за Март 2013.pdf")}) {
        ASSERT_TRUE(files.removeOne(pdf)) << pdf.toStdString();
        EXPECT_TRUE(test::isWholePdf((chosen + QLatin1Char('/') + pdf).toStdString()));
    }
    const QString updName = files[0];
    EXPECT_TRUE(updName.startsWith(
        QStringLiteral("ON_NSCHFDOPPR_2BM-7712345671-771201001_2BE-5001000002-500101001_")))
        << updName.toStdString();
    QFile upd(chosen + QLatin1Char('/') + updName);
    ASSERT_TRUE(upd.open(QIODevice::ReadOnly));
    const std::string bytes = upd.readAll().toStdString();
    EXPECT_EQ(test::updSchemaErrors(bytes), "");
    EXPECT_NE(bytes.find("\xD4\xE0\xEC\xE8\xEB\xE8\xFF=\"\xC8\xE2\xE0\xED\xEE\xE2\""),
              std::string::npos)
        << "the signer's surname in windows-1251";
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(sink.messages[0].startsWith(QStringLiteral("Документы для ЭДО записаны")));
    EXPECT_TRUE(sink.messages[0].contains(updName));
    EXPECT_TRUE(sink.information.contains(sink.messages[0])) << "work done: the information icon";

    // The next month nothing is asked: the data folder keeps the ids and the name.
    sink.messages.clear();
    int asked = 0;
    test::scriptedDialogs(*report).setEdoDetailsAsker([&](QWidget*, const EdoDetailsRequest&) {
        ++asked;
        return std::optional<EdoDetails>();
    });
    click(*report, QStringLiteral("SpeedButton12"));
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(folderChoices, 2);
    EXPECT_EQ(loadEdoBook(store->DataFolder).participantId("7712345671"),
              "2BM-7712345671-771201001");
}

TEST_F(ReportEdoTest, WithAMissingIdOrAMadeUpPrincipalInnNothingIsWrittenAndTheMessageSaysWhy) {
    prepare(); // the sample's principal keeps the made-up INN 7712345670
    test::scriptedDialogs(*report).setEdoDetailsAsker(
        [](QWidget*, const EdoDetailsRequest&) { return std::optional<EdoDetails>(); });
    click(*report, QStringLiteral("SpeedButton12"));
    EXPECT_TRUE(written().isEmpty());
    EXPECT_EQ(folderChoices, 0) << "no folder is asked for a document that cannot be written";
    ASSERT_EQ(sink.messages.size(), 1);
    const QString& message = sink.messages[0];
    for (const char* says : {"Документы для ЭДО не записаны",
                             "Не указан идентификатор участника ЭДО организации агента",
                             "Не указан идентификатор участника ЭДО организации принципала",
                             "ИНН 7712345670: контрольная цифра не сходится",
                             "Не указаны полностью фамилия, имя и отчество руководителя"}) {
        EXPECT_TRUE(message.contains(QString::fromUtf8(says))) << says << "\n"
                                                               << message.toStdString();
    }
    EXPECT_FALSE(folder.exists("Edo")) << "nothing typed, nothing kept";
}

} // namespace
} // namespace kestrelon
