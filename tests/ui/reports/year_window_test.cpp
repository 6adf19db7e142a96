// «Год» as a bookkeeper uses it, by the keyboard: from the report list to the year's summary,
// through the months in the table and the picture, to another year, saving the workbook, and
// opening a month's report.

#include "report_windows.h"
#include "reports/summary/summary_folder.h"
#include "ui/reports/tform_report_list.h"
#include "ui/reports/tform_year.h"
#include "ui/reports/year_chart.h"
#include "ui/support/active_window.h"
#include "ui/support/modal_driver.h"
#include "ui/support/scripted_report_dialogs.h"

#include <QLabel>
#include <QTableWidget>

namespace kestrelon {
namespace {

class YearWindowTest : public test::ReportWindowsTest {
protected:
    YearWindowTest() {
        test::writeSummaryReport(folder, "1", 0, 2013, "1000.01", "152.54", "100.10", "899.91");
        test::writeSummaryReport(folder, "2", 2, 2013, "2000.00", "305.08", "200.00", "1800.00");
        test::writeSummaryReport(folder, "3", 2, 2013, "0.99", "0.15", "0.09", "0.90");
        test::writeSummaryReport(folder, "4", 10, 2013, "50.00", "7.63", "5.00", "45.00");
        test::writeSummaryReport(folder, "9", 11, 2012, "5.00", "0.76", "1.00", "4.00");
        folder.writeFile("cut.rep", std::string(10, 'x'));
        createWindows();
        report->show();
    }

    // "List", then «Год» pressed by the keyboard; `work` runs in the year's window.
    void throughYearWindow(const std::function<void(TFormYear&)>& work) {
        bool reached = false;
        test::whenModal(QStringLiteral("FormReportList"), [&](QDialog& list) {
            test::whenModal(QStringLiteral("FormYear"), [&](QDialog& year) {
                reached = true;
                work(static_cast<TFormYear&>(year));
                if (year.isVisible()) {
                    year.reject();
                }
            });
            auto* button = test::child<QWidget>(list, QStringLiteral("SpeedButton4"));
            button->setFocus(Qt::TabFocusReason);
            QTest::keyClick(button, Qt::Key_Space);
            if (list.isVisible()) {
                list.reject();
            }
        });
        test::click(*report, QStringLiteral("SpeedButton1"));
        EXPECT_TRUE(reached) << "«Год» did not open the year's window";
    }
    static QString at(const QTableWidget& table, int row, int column) {
        return table.item(row, column)->text();
    }
};

TEST_F(YearWindowTest, TheTableThePictureAndAnotherYearByTheKeyboard) {
    throughYearWindow([&](TFormYear& year) {
        auto* table = test::child<QTableWidget>(year, QStringLiteral("YearTable"));
        auto* chart = test::child<YearChart>(year, QStringLiteral("YearChart"));
        EXPECT_EQ(year.windowTitle(), "Итоги 2013 года") << "the year of the list's row";
        EXPECT_EQ(at(*table, 0, 0), "Январь");
        EXPECT_EQ(at(*table, 0, 2), "1 000,01");
        EXPECT_EQ(at(*table, 1, 1), "") << "a month without a report is empty";
        EXPECT_EQ(at(*table, 2, 1), "2 *");
        EXPECT_EQ(table->item(2, 1)->toolTip(),
                  "Несколько отчетов за месяц:\n№ 2, файл «2_0313_12345678.rep»\n"
                  "№ 3, файл «3_0313_12345678.rep»");
        EXPECT_EQ(at(*table, 3, 0), "I квартал");
        EXPECT_EQ(at(*table, 3, 5), "2 700,81");
        EXPECT_EQ(at(*table, 16, 0), "Итого за год");
        EXPECT_EQ(at(*table, 16, 1), "4");
        EXPECT_EQ(at(*table, 16, 4), "305,19");
        const auto* unread = test::child<QLabel>(year, QStringLiteral("UnreadReports"));
        EXPECT_TRUE(unread->isVisible());
        EXPECT_TRUE(unread->text().contains(QStringLiteral("cut.rep — файл 10 байт")));
        EXPECT_EQ(chart->accessibleName(), "Вознаграждение и сумма принципалу по месяцам");
        EXPECT_TRUE(chart->accessibleDescription().startsWith(
            QStringLiteral("Январь: вознаграждение 100,10, принципалу 899,91; Март:")));

        // Down the table: the picture follows; a quarter's line is no month.
        year.activateWindow();
        ASSERT_TRUE(test::waitActive(&year));
        EXPECT_EQ(test::focusName(year), "YearTable") << "the window opens in its table";
        EXPECT_EQ(chart->selectedMonth(), 0);
        QTest::keyClick(table, Qt::Key_Down);
        QTest::keyClick(table, Qt::Key_Down);
        EXPECT_EQ(chart->selectedMonth(), 2);
        QTest::keyClick(table, Qt::Key_Down);
        EXPECT_EQ(chart->selectedMonth(), -1);
        // Into the picture with Tab: the table follows it.
        QTest::keyClick(table, Qt::Key_Tab);
        ASSERT_TRUE(chart->hasFocus());
        QTest::keyClick(chart, Qt::Key_Right);
        EXPECT_EQ(table->currentRow(), 0) << "from no month, Right goes to January";
        for (int k = 0; k < 10; ++k) {
            QTest::keyClick(chart, Qt::Key_Right);
        }
        EXPECT_EQ(chart->selectedMonth(), 10);
        EXPECT_EQ(at(*table, table->currentRow(), 0), "Ноябрь");

        // Alt and «Г» (the label «Год:») to the year list, Up to 2012.
        QTest::sendKeyEvent(QTest::Click, year.windowHandle(), static_cast<Qt::Key>(u'Г'),
                            QStringLiteral("г"), Qt::AltModifier);
        auto* years = test::child<QComboBox>(year, QStringLiteral("YearList"));
        ASSERT_TRUE(years->hasFocus());
        QTest::keyClick(years, Qt::Key_Up);
        EXPECT_EQ(year.windowTitle(), "Итоги 2012 года");
        EXPECT_EQ(at(*table, 14, 1), "1") << "December 2012";
        EXPECT_EQ(at(*table, 16, 2), "5,00");
    });
}

TEST_F(YearWindowTest, SavesTheWorkbookAndOpensAMonthsReport) {
    const std::string saved = folder.path() + "out/итоги.xlsx";
    QDir().mkpath(QString::fromStdString(folder.path() + "out"));
    throughYearWindow([&](TFormYear& year) {
        test::scriptedDialogs(*report); // the report window's are not the year's
        auto dialogs = std::make_unique<test::ScriptedReportDialogs>();
        dialogs->setSummaryFileChooser([&](QWidget*, const QString& suggested) {
            EXPECT_TRUE(suggested.endsWith(QStringLiteral("Итоги 2013.xlsx")));
            return QString::fromStdString(saved);
        });
        year.setReportDialogs(std::move(dialogs));
        auto* save = test::child<QWidget>(year, QStringLiteral("ButtonSave"));
        save->setFocus(Qt::TabFocusReason);
        QTest::keyClick(save, Qt::Key_Space);
        EXPECT_EQ(folder.readFile("out/итоги.xlsx").substr(0, 2), "PK");

        // January in the picture, Enter: its report opens in the report window.
        auto* chart = test::child<YearChart>(year, QStringLiteral("YearChart"));
        chart->setFocus(Qt::TabFocusReason);
        QTest::keyClick(chart, Qt::Key_Right);
        QTest::keyClick(chart, Qt::Key_Left);
        EXPECT_EQ(chart->selectedMonth(), 0);
        QTest::keyClick(chart, Qt::Key_Return);
    });
    EXPECT_TRUE(report->viewOnly());
    EXPECT_EQ(fieldText(1), "1");
    EXPECT_EQ(loadFolder(store->DataFolder, FolderKind::Summary) + "/", folder.path() + "out/");
}

} // namespace
} // namespace kestrelon
