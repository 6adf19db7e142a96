// The report window at the VAT rate of its period: the rate it shows, the totals it computes
// and stores, and the offset act's clause on the VAT, for a month of 2026 and one of 2012.

#include "report_windows.h"
#include "store/cp1251.h"
#include "ui/reports/document_view.h"
#include "ui/reports/tform_slk.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>

namespace kestrelon {
namespace {

using test::click;
using test::whenModal;

class ReportVatRateTest : public test::ReportWindowsTest {
protected:
    QString rateShown() const {
        return test::child<QLabel>(*report, QStringLiteral("LabelVatRate"))->text();
    }
    // The offset act's texts on its tab, joined by blanks, so that a wrapped sentence reads
    // as one.
    std::string offsetActText() {
        test::child<QTabWidget>(*report, QStringLiteral("PageControl1"))
            ->setCurrentIndex(TFormReport::OffsetActTab);
        std::string all;
        for (const PlacedPage& page :
             report->documentView(TFormReport::OffsetActTab)->document().pages) {
            for (const TextItem& item : page.texts) {
                all += cp1251ToUtf8(item.text) + " ";
            }
        }
        return all;
    }
    // Chooses a period's entry with the keyboard, as a user does in a closed list.
    void stepList(int number, Qt::Key key, int times) {
        QComboBox* list = combo(number);
        list->setFocus();
        for (int i = 0; i < times; ++i) {
            QTest::keyClick(list, key);
        }
    }
};

TEST_F(ReportVatRateTest, AManualReportOfNovember2026IsAtTwentyTwoPercent) {
    createWindows();
    report->show();
    EXPECT_EQ(rateShown(), QStringLiteral("НДС 18 %")) << "December 2012";
    click(*report, QStringLiteral("SpeedButton9")); // "Manual"
    stepList(2, Qt::Key_Down, 14);                  // 2012 -> 2026
    stepList(1, Qt::Key_Up, 1);                     // December -> November
    ASSERT_EQ(combo(1)->currentText(), QStringLiteral("Ноябрь"));
    ASSERT_EQ(combo(2)->currentText(), QStringLiteral("2026"));
    EXPECT_EQ(rateShown(), QStringLiteral("НДС 22 %"));

    typeCellWithoutEnter(0, 3, QStringLiteral("100"));
    typeCellWithoutEnter(1, 5, QStringLiteral("244"));
    test::type(*report, 10, QStringLiteral("10"));
    click(*report, QStringLiteral("SpeedButton4")); // "Get"
    EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join('\n').toStdString();
    EXPECT_EQ(cell(0, 4), QStringLiteral("22.00"));
    EXPECT_EQ(cell(0, 5), QStringLiteral("122.00"));
    EXPECT_EQ(cell(1, 3), QStringLiteral("200.00"));
    EXPECT_EQ(cell(1, 4), QStringLiteral("44.00"));
    EXPECT_EQ(field(8), QStringLiteral("66.00"));
    EXPECT_EQ(field(11), QStringLiteral("356.00"));

    click(*report, QStringLiteral("SpeedButton2")); // "Save"
    ASSERT_TRUE(folder.exists("1_1126_12345678.rep"));
    EXPECT_EQ(context.reports.record->VatTotal.str(), "66.00");
    EXPECT_EQ(context.reports.record->PeriodYear, 16);
    EXPECT_NE(offsetActText().find("в т.ч. НДС 22% - шестьдесят шесть рублей 00 копеек"),
              std::string::npos)
        << offsetActText();
}

TEST_F(ReportVatRateTest, APeriodOfAnotherRateAfterGetIsComputedAgainAtThatRate) {
    createWindows();
    report->show();
    click(*report, QStringLiteral("SpeedButton9"));
    stepList(2, Qt::Key_Down, 13); // December 2025: 20 %
    EXPECT_EQ(rateShown(), QStringLiteral("НДС 20 %"));
    typeCellWithoutEnter(0, 3, QStringLiteral("100"));
    click(*report, QStringLiteral("SpeedButton4"));
    EXPECT_EQ(field(8), QStringLiteral("20.00"));

    // 2026: the VAT of 20 % on view disagrees with 22 %, and the user is asked.
    QString expectedVat;
    whenModal(QStringLiteral("FormErrNDS"), [&](QDialog& question) {
        expectedVat = test::edit(question, 5)->text();
        EXPECT_TRUE(field(8).isEmpty()) << "the totals of 20 % are gone while asking";
        click(question, QStringLiteral("Button2")); // "Исправить"
    });
    stepList(2, Qt::Key_Down, 1);
    EXPECT_EQ(rateShown(), QStringLiteral("НДС 22 %"));
    EXPECT_EQ(expectedVat, QStringLiteral("22.00"));
    EXPECT_EQ(field(8), QStringLiteral("22.00"));
    EXPECT_EQ(cell(0, 5), QStringLiteral("122.00"));
}

TEST_F(ReportVatRateTest, ARegisterOf2026KeepsItsVatAndTheActNamesTwentyTwoPercent) {
    createWindows();
    report->show();
    whenModal(QStringLiteral("FormSlk"), [](QDialog& dialog) {
        static_cast<TFormSlk&>(dialog).textArea()->setPlainText(QString::fromUtf8(
            "A0000001\t11111111\tКлиент\t1000000000001\t15.11.2026\t1000,00\t220,00\t1220,00\t"
            "paid\t20.11.2026\n"));
        click(dialog, QStringLiteral("Button3"));
    });
    click(*report, QStringLiteral("SpeedButton5")); // "Slk"
    EXPECT_EQ(rateShown(), QStringLiteral("НДС 22 %"));
    test::type(*report, 10, QStringLiteral("100"));
    click(*report, QStringLiteral("SpeedButton4"));
    EXPECT_EQ(field(8), QStringLiteral("220.00"));
    EXPECT_NE(offsetActText().find("в т.ч. НДС 22% - двести двадцать рублей 00 копеек"),
              std::string::npos);
}

} // namespace
} // namespace kestrelon
