// "Платежка" as a bookkeeper meets it: the number proposed and then remembered, the date of
// today, a file name proposed in the folder last used; the file a bank imports; and no file for
// an order a bank would bounce.

#include "report_outputs.h"
#include "store/cp1251.h"
#include "support/bank_exchange_reader.h"
#include "ui/support/modal_driver.h"
#include "ui/support/scripted_report_dialogs.h"

#include <QDir>
#include <QLabel>

namespace kestrelon {
namespace {

using test::click;

class ReportPaymentTest : public test::ReportOutputsTest {
protected:
    // Both organizations with a bank account whose keys check out, the principal by its real
    // INN.
    void giveRealRequisites() {
        store->Firms[0].Inn = "7712345671";
        store->PrincipalChoice = "7712345671";
        for (FirmRecord* firm : {&store->Firms[0], &store->Firms[1]}) {
            BankAccount& bank = firm->Banks[0];
            bank.SettlementAccount =
                firm == &store->Firms[0] ? "40702810900000000026" : "40602810700000000025";
            bank.CorrAccount = "30101810800000000746";
            bank.Bik = "049805746";
            bank.BankShortName = "ПАО СБЕРБАНК г. Москва"_cp;
        }
        store->refreshFirmIndexes();
    }
    void prepare() {
        prepareMonth();
        tabs()->setCurrentIndex(TFormReport::OffsetActTab);
        test::scriptedDialogs(*report).setPaymentFileChooser(
            [this](QWidget*, const QString& suggested) {
                suggestions << suggested;
                return chosen.isEmpty() ? QString() : chosen;
            });
    }

    test::TempFolder outFolder;
    QString chosen = QString::fromStdString(outFolder.path()) + QStringLiteral("order.txt");
    QStringList suggestions;
};

TEST_F(ReportPaymentTest, WritesTheOrderABankImportsAndProposesTheNextNumber) {
    giveRealRequisites();
    prepare();
    EXPECT_TRUE(button("SpeedButton13")->isEnabled());
    // Every button of the toolbar has a place of its own in it.
    QList<QRect> places;
    for (int n : {1, 2, 3, 5, 7, 10, 11, 12, 13, 8, 9}) {
        const QWidget* b = button(QStringLiteral("SpeedButton%1").arg(n).toLatin1().constData());
        const QRect place(b->mapTo(report, QPoint(0, 0)), b->size());
        for (const QRect& other : places) {
            EXPECT_FALSE(place.intersects(other)) << "SpeedButton" << n;
        }
        places << place;
    }
    EXPECT_EQ(button("SpeedButton13")->accessibleDescription(),
              QStringLiteral("Платежное поручение принципалу для банка"));

    test::onNextModal(*report, [](QDialog& dialog) {
        EXPECT_EQ(test::fieldText(dialog, "EditNumber"), QStringLiteral("1"));
        EXPECT_EQ(test::fieldText(dialog, "EditDate"), QStringLiteral("07.01.2013"));
        test::typeInto(dialog, "EditNumber", QStringLiteral("0"));
        test::clickButton(dialog, "ButtonOk");
        EXPECT_TRUE(dialog.isVisible()) << "a zero number is not taken";
        test::typeInto(dialog, "EditNumber", QStringLiteral("17"));
        test::typeInto(dialog, "EditDate", QStringLiteral("08.01.2013"));
        test::clickButton(dialog, "ButtonOk");
    });
    click(*report, QStringLiteral("SpeedButton13"));
    ASSERT_EQ(suggestions.size(), 1) << sink.messages.join('\n').toStdString();
    EXPECT_TRUE(suggestions[0].endsWith(QStringLiteral("/Платежка 17 за Март 2013.txt")))
        << suggestions[0].toStdString();

    QFile written(chosen);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const auto content = readBankExchange(written.readAll().toStdString());
    ASSERT_TRUE(content);
    ASSERT_EQ(content->documents.size(), 1u);
    const auto field = [&](const char* key) {
        return cp1251ToUtf8(content->documents[0].at(utf8ToCp1251(key)));
    };
    EXPECT_EQ(field("Номер"), "17");
    EXPECT_EQ(field("Дата"), "08.01.2013");
    EXPECT_EQ(field("Сумма"), "1080.00") << "the balance due after the remuneration";
    EXPECT_EQ(field("ПолучательИНН"), "7712345671");
    EXPECT_EQ(field("ПлательщикБанк2"), "г. Москва");
    EXPECT_EQ(field("НазначениеПлатежа"),
              "Оплата по агентскому договору № 12345678 за Март 2013 г. по акту зачета № 5 от "
              "07.01.2013. В т.ч. НДС 18 % - 180.00 руб.");
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(sink.messages[0].startsWith(QStringLiteral("Платежное поручение № 17 на сумму")));
    EXPECT_TRUE(sink.information.contains(sink.messages[0])) << "work done: the information icon";

    // The next order proposes the number after this one, in the folder of this one.
    sink.messages.clear();
    suggestions.clear();
    QString proposedNumber;
    test::scriptedDialogs(*report).setPaymentDetailsAsker(
        [&](QWidget*, const PaymentDetails& proposed) {
            proposedNumber = proposed.number;
            return std::optional<PaymentDetails>(proposed);
        });
    chosen.clear(); // then the user gives up at the file name: nothing more is written
    click(*report, QStringLiteral("SpeedButton13"));
    EXPECT_EQ(proposedNumber, QStringLiteral("18"));
    ASSERT_EQ(suggestions.size(), 1);
    EXPECT_EQ(suggestions[0], QString::fromStdString(outFolder.path()) +
                                  QStringLiteral("Платежка 18 за Март 2013.txt"));
    EXPECT_TRUE(sink.messages.isEmpty());
    EXPECT_EQ(QDir(QString::fromStdString(outFolder.path())).entryList(QDir::Files).size(), 1);
}

// The order never takes the place of a stored report or a table of the data folder.
TEST_F(ReportPaymentTest, AFileTheProgramReadsIsNotWrittenOver) {
    giveRealRequisites();
    prepare();
    test::scriptedDialogs(*report).setPaymentDetailsAsker(
        [](QWidget*, const PaymentDetails& proposed) {
            return std::optional<PaymentDetails>(proposed);
        });
    folder.writeFile("old.rep", "a stored report");
    folder.writeFile("Firms", "the organizations");
    const struct {
        const char* name;
        const char* says;
    } cases[] = {{"old.rep", "файл отчета (*.rep)"}, {"Firms", "таблица данных программы"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sink.messages.clear();
        chosen = QString::fromStdString(folder.path() + c.name);
        click(*report, QStringLiteral("SpeedButton13"));
        ASSERT_EQ(sink.messages.size(), 1);
        EXPECT_TRUE(sink.messages[0].contains(QString::fromUtf8(c.says)))
            << sink.messages[0].toStdString();
    }
    EXPECT_EQ(folder.readFile("old.rep"), "a stored report");
    EXPECT_EQ(folder.readFile("Firms"), "the organizations");
}

TEST_F(ReportPaymentTest, AnOrderABankWouldBounceIsNotWrittenAndTheMessageSaysWhy) {
    prepare(); // the sample's principal: the made-up INN and no bank account
    test::scriptedDialogs(*report).setPaymentDetailsAsker(
        [](QWidget*, const PaymentDetails& proposed) {
            return std::optional<PaymentDetails>(proposed);
        });
    click(*report, QStringLiteral("SpeedButton13"));
    EXPECT_TRUE(suggestions.isEmpty()) << "no file name is asked for an order not written";
    EXPECT_FALSE(QFile::exists(chosen));
    ASSERT_EQ(sink.messages.size(), 1);
    for (const char* says :
         {"Платежное поручение не записано", "ИНН 7712345670: контрольная цифра не сходится",
          "Реквизиты получателя (организация принципала) «ООО \"Тарвел\"»: не указан расчетный "
          "счет"}) {
        EXPECT_TRUE(sink.messages[0].contains(QString::fromUtf8(says)))
            << says << "\n"
            << sink.messages[0].toStdString();
    }
    EXPECT_FALSE(folder.exists("PaymentNo")) << "an order not written keeps no number";
}

} // namespace
} // namespace kestrelon
