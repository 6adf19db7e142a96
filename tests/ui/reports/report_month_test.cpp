// A bookkeeper's month through the real report windows: a manual report with a VAT question
// answered both ways, a register report pasted and one read from a ".slk" file, the list
// with its sums, opening, deleting, and the documents on their tabs.

#include "report_windows.h"
#include "reports/files/report_record.h"
#include "ui/reports/document_view.h"
#include "ui/reports/tform_report_list.h"
#include "ui/reports/tform_slk.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStatusBar>

namespace kestrelon {
namespace {

using test::click;
using test::whenModal;

const char* const kRegister = "Invoices register for 12345678\n"
                              "AGENT_CUSTNO\tCLIENT_CUSTNO\tCLIENT_CUSTNAME\tINVOICE\tINVOICE_"
                              "DATE\tINVOICE_DUE\tINVOICE_TAX\tINVOICE_SUMM\tSTATE\tSTATE_DATE\n"
                              "A0000001\t11111111\tКлиент\t1000000000001\t15.11.2012\t1000,00\t"
                              "180,00\t1180,00\tpaid\t20.11.2012\n"
                              "A0000001\t33333333\tКлиент 3\t1000000000002\t16.11.2012\t500.5\t"
                              "90.09\t590.59\tpaid\t20.11.2012\n";

class ReportMonthTest : public test::ReportWindowsTest {
protected:
    void manualReport() {
        click(*report, QStringLiteral("SpeedButton9"));
        ASSERT_EQ(grid()->rowCount(), 2) << "the inactive second contract has no row";
        EXPECT_EQ(cell(0, 0), QStringLiteral("11111111"));
        EXPECT_EQ(cell(1, 0), QStringLiteral("33333333"));
        EXPECT_EQ(cell(0, 1), QStringLiteral("2121211111111")) << "zone 2, December 2012";
        EXPECT_EQ(cell(0, 2), QStringLiteral("31.12.12"));
        typeCell(0, 3, QStringLiteral("100"));
        typeCell(0, 4, QStringLiteral("17"));
        typeCell(0, 5, QStringLiteral("118"));
        typeCell(1, 3, QStringLiteral("200"));
        typeCell(1, 4, QStringLiteral("3x0")); // the cell takes no letters
        test::type(*report, 10, QStringLiteral("50"));

        // Row 1: VAT 17 against 100 -> corrected; row 2: VAT 30 against 200 -> kept.
        whenModal(QStringLiteral("FormErrNDS"), [](QDialog& question) {
            EXPECT_EQ(test::child<QLabel>(question, QStringLiteral("Label2"))->text(),
                      QStringLiteral("cтрока 1"));
            EXPECT_EQ(test::edit(question, 2)->text(), QStringLiteral("17"));
            EXPECT_EQ(test::edit(question, 5)->text(), QStringLiteral("18.00"));
            EXPECT_EQ(test::edit(question, 2)->palette().color(QPalette::Text), QColor(Qt::red));
            EXPECT_EQ(test::edit(question, 1)->palette().color(QPalette::Text), QColor(Qt::black));
            whenModal(QStringLiteral("FormErrNDS"), [](QDialog& second) {
                EXPECT_EQ(test::edit(second, 2)->text(), QStringLiteral("30"));
                click(second, QStringLiteral("Button1")); // "Нет"
            });
            click(question, QStringLiteral("Button2")); // "Исправить"
        });
        click(*report, QStringLiteral("SpeedButton4"));
        EXPECT_EQ(cell(0, 4), QStringLiteral("18.00"));
        EXPECT_EQ(cell(1, 4), QStringLiteral("30.00"));
        EXPECT_EQ(cell(1, 5), QStringLiteral("236.00"));
        EXPECT_EQ(field(7), QStringLiteral("300.00"));
        EXPECT_EQ(field(8), QStringLiteral("48.00"));
        EXPECT_EQ(field(9), QStringLiteral("354.00"));
        EXPECT_EQ(field(11), QStringLiteral("304.00"));

        click(*report, QStringLiteral("SpeedButton2"));
        EXPECT_TRUE(folder.exists("1_1212_12345678.rep"));
        EXPECT_TRUE(report->viewOnly());
        EXPECT_EQ(test::edit(*report, 1)->palette().color(QPalette::Text), QColor(0, 0, 0x99));
        EXPECT_FALSE(test::child<QWidget>(*report, QStringLiteral("SpeedButton2"))->isEnabled());
        EXPECT_TRUE(test::child<QWidget>(*report, QStringLiteral("SpeedButton3"))->isEnabled());
        EXPECT_TRUE(context.reports.StoredReportOpen) << "the first report of an empty folder";
    }

    void registerReport(bool fromFile, const QString& number) {
        click(*report, QStringLiteral("SpeedButton3")); // "New"
        EXPECT_EQ(field(1), number);
        EXPECT_FALSE(report->viewOnly());
        click(*report, QStringLiteral("SpeedButton8")); // "SLK"
        const QString slk = QString::fromStdString(folder.path()) + QStringLiteral("register.slk");
        if (fromFile) {
            QFile file(slk);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(
                "ID;PTEST\r\nC;Y1;X1;K\"Invoices register for 12345678\"\r\n"
                "C;Y2;X1;K\"AGENT_CUSTNO\"\r\nC;X2;K\"CLIENT_CUSTNO\"\r\n"
                "C;X3;K\"CLIENT_CUSTNAME\"\r\nC;X4;K\"INVOICE\"\r\nC;X5;K\"INVOICE_DATE\"\r\n"
                "C;X6;K\"INVOICE_DUE\"\r\nC;X7;K\"INVOICE_TAX\"\r\nC;X8;K\"INVOICE_SUMM\"\r\n"
                "C;X9;K\"STATE\"\r\nC;X10;K\"STATE_DATE\"\r\n"
                "C;Y3;X1;K\"A0000001\"\r\nC;X2;K\"33333333\"\r\nC;X3;K\"Client\"\r\n"
                "C;X4;K\"1000000000009\"\r\nC;X5;K41228\r\nC;X6;K2000\r\nC;X7;K360\r\n"
                "C;X8;K2360\r\nC;X9;K\"paid\"\r\nC;X10;K41230\r\nE\r\n");
        }
        whenModal(QStringLiteral("FormSlk"), [&](QDialog& dialog) {
            auto& import = static_cast<TFormSlk&>(dialog);
            if (fromFile) {
                import.setFileChooser([slk](QWidget*, const QString&) { return slk;
            });
            click(dialog, QStringLiteral("Button4")); // "Open"
            EXPECT_TRUE(import.textArea()->toPlainText().contains(QStringLiteral("15.11.2012")))
                << import.textArea()->toPlainText().toStdString();
            } else {
            import.textArea()->setPlainText(QString::fromUtf8(kRegister));
            }
            click(dialog, QStringLiteral("Button3")); // "OK"
    });
    click(*report, QStringLiteral("SpeedButton5"));
    // "New" proposed December; the register is November's.
    EXPECT_EQ(sink.messages.join('\n').toStdString(),
              std::string(fromFile ? "Загружено строк реестра: 1" : "Загружено строк реестра: 2") +
                  " — реестр за Ноябрь 2012; предлагался Декабрь 2012.");
    sink.messages.clear();
    ASSERT_EQ(grid()->rowCount(), fromFile ? 1 : 2);
    EXPECT_EQ(combo(1)->currentIndex(), 10) << "November, from the first invoice date";
    test::type(*report, 10, QStringLiteral("10"));
    click(*report, QStringLiteral("SpeedButton4"));
    EXPECT_EQ(field(9), fromFile ? QStringLiteral("2360.00") : QStringLiteral("1770.59"));
    EXPECT_EQ(field(11), fromFile ? QStringLiteral("2350.00") : QStringLiteral("1760.59"));
    // The second report of November is asked for, and wanted.
    sink.questions.clear();
    sink.answer = true;
    click(*report, QStringLiteral("SpeedButton2"));
    sink.answer = false;
    EXPECT_EQ(sink.questions.size(), fromFile ? 1 : 0);
    EXPECT_TRUE(report->viewOnly());
}

QString
panel(QDialog& list, int index) {
    return test::child<QLabel>(list, QStringLiteral("Panel%1").arg(index))->text();
}
};

TEST_F(ReportMonthTest, ManualAndRegisterReportsAreSavedListedOpenedAndDeleted) {
    createWindows();
    report->show();
    EXPECT_EQ(field(4), QStringLiteral("7.01.2013"));
    EXPECT_EQ(combo(1)->currentText(), QStringLiteral("Декабрь"));
    EXPECT_EQ(combo(2)->currentText(), QStringLiteral("2012"));
    manualReport();
    registerReport(false, QStringLiteral("2"));
    EXPECT_TRUE(folder.exists("2_1112_12345678.rep"));
    registerReport(true, QStringLiteral("3"));
    EXPECT_TRUE(folder.exists("3_1112_12345678.rep"));
    EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join('\n').toStdString();

    whenModal(QStringLiteral("FormReportList"), [&](QDialog& list) {
        auto* rows = test::child<QTableWidget>(list, QStringLiteral("StringGrid1"));
        ASSERT_EQ(rows->rowCount(), 3);
        EXPECT_EQ(rows->item(0, 4)->text(), QStringLiteral("50"));
        rows->selectAll();
        const QString sep = QLocale::system().decimalPoint();
        EXPECT_EQ(panel(list, 5), QStringLiteral("70"));
        EXPECT_EQ(panel(list, 4), QStringLiteral("4484") + sep + QStringLiteral("59"));
        rows->setCurrentCell(1, 0);
        click(list, QStringLiteral("SpeedButton3")); // "Open"
    });
    click(*report, QStringLiteral("SpeedButton1"));
    EXPECT_TRUE(report->viewOnly());
    EXPECT_EQ(field(1), QStringLiteral("2"));
    EXPECT_EQ(field(9), QStringLiteral("1770.59"));
    EXPECT_EQ(cell(1, 3), QStringLiteral("500.5")) << "imported amounts stay as imported";

    // The documents of the opened report.
    auto* tabs = test::child<QTabWidget>(*report, QStringLiteral("PageControl1"));
    for (const int tab : {1, 2, 3}) {
        tabs->setCurrentIndex(tab);
        const auto* view = report->documentView(static_cast<TFormReport::Tab>(tab));
        ASSERT_FALSE(view->document().pages.empty()) << "tab " << tab;
        EXPECT_TRUE(test::child<QWidget>(*report, QStringLiteral("SpeedButton7"))->isEnabled());
    }
    tabs->setCurrentIndex(0);
    EXPECT_FALSE(test::child<QWidget>(*report, QStringLiteral("SpeedButton7"))->isEnabled());

    whenModal(QStringLiteral("FormReportList"), [&](QDialog& list) {
        test::child<QTableWidget>(list, QStringLiteral("StringGrid1"))->setCurrentCell(2, 0);
        whenModal(QStringLiteral("FormDelRep"),
                  [](QDialog& ask) { click(ask, QStringLiteral("ButtonYes")); });
        click(list, QStringLiteral("SpeedButton2")); // "Del"
        EXPECT_EQ(panel(list, 0), QStringLiteral("2"));
        list.reject();
    });
    click(*report, QStringLiteral("SpeedButton1"));
    EXPECT_FALSE(folder.exists("3_1112_12345678.rep"));
    EXPECT_TRUE(folder.exists("3_1112_1234567.rdel"));
}

} // namespace
} // namespace kestrelon
