// "Печать" as a user meets it: the print dialog comes first, on the default printer, with the
// job named after the document; giving it up prints nothing; the printer, the copies and the
// sheets chosen there are what is printed; and the sheets break where the tab shows them break,
// on paper and in the PDF alike.

#include "report_outputs.h"
#include "ui/support/active_window.h"
#include "ui/support/modal_driver.h"
#include "ui/support/scripted_report_dialogs.h"

#include <QAccessible>
#include <QPrinter>
#include <QPrinterInfo>

namespace kestrelon {
namespace {

using test::click;

class ReportPrintTest : public test::ReportOutputsTest {
protected:
    // The system's default printer; the first there is when none is the default; none when
    // there is no printer at all, as on a machine without a print server.
    static QString startingPrinter() {
        const QString preferred = QPrinterInfo::defaultPrinterName();
        const QStringList all = QPrinterInfo::availablePrinterNames();
        return !preferred.isEmpty() || all.isEmpty() ? preferred : all.constFirst();
    }

    struct Asked {
        QString printer;
        QString job;
        int sheets = 0;
    };

    // The dialog's stand-in: it notes what it was shown, names a file for the printout (as the
    // dialog's "Print to file" does) and answers as the test says.
    void answerPrintDialog(bool accept, int from = 0, int to = 0, int copies = 1) {
        test::scriptedDialogs(*report).setPrinterChooser(
            [=, this](QWidget* parent, QPrinter& printer, int sheets) {
                EXPECT_EQ(parent, report);
                asked.push_back({printer.printerName(), printer.docName(), sheets});
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(printout);
                if (from > 0) {
                    printer.setPrintRange(QPrinter::PageRange);
                    printer.setFromTo(from, to);
                }
                printer.setCopyCount(copies);
                return accept;
            });
    }

    QString printout = QString::fromStdString(folder.path()) + QStringLiteral("printout.pdf");
    std::vector<Asked> asked;
};

TEST_F(ReportPrintTest, TheDialogStartsOnTheDefaultPrinterWithTheJobNamedAfterTheDocument) {
    prepareMonth();
    answerPrintDialog(false);
    const struct {
        TFormReport::Tab tab;
        const char* job;
    } documents[] = {{TFormReport::InvoiceTab, "Счет 1 за Март 2013"},
                     {TFormReport::ActTab, "Акт 1 за Март 2013"},
                     {TFormReport::OffsetActTab, "Акт зачета 5 за Март 2013"}};
    for (const auto& d : documents) {
        SCOPED_TRACE(d.job);
        asked.clear();
        tabs()->setCurrentIndex(d.tab);
        click(*report, QStringLiteral("SpeedButton7"));
        ASSERT_EQ(asked.size(), 1u) << "the dialog comes before anything is printed";
        EXPECT_EQ(asked[0].job, QString::fromUtf8(d.job));
        EXPECT_EQ(asked[0].printer, startingPrinter());
        EXPECT_EQ(static_cast<std::size_t>(asked[0].sheets), tabSheets(d.tab));
        EXPECT_FALSE(QFile::exists(printout)) << "given up, nothing is printed";
        EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join('\n').toStdString();
    }
}

TEST_F(ReportPrintTest, TheSheetsAndCopiesChosenAreWhatIsPrinted) {
    prepareMonth(40);
    tabs()->setCurrentIndex(TFormReport::OffsetActTab);
    ASSERT_EQ(tabSheets(TFormReport::OffsetActTab), 2u) << "40 invoices take two sheets";
    const struct {
        const char* what;
        int from, to, copies;
        int pages;
    } cases[] = {
        {"the whole act", 0, 0, 1, 2},
        {"the second sheet alone", 2, 2, 1, 1},
        {"three copies of the act", 0, 0, 3, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(printout);
        answerPrintDialog(true, c.from, c.to, c.copies);
        click(*report, QStringLiteral("SpeedButton7"));
        EXPECT_EQ(pdfPages(printout), c.pages);
        EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join('\n').toStdString();
    }
}

TEST_F(ReportPrintTest, TheTabThePdfAndThePrintoutHaveTheSameSheets) {
    // A month of twelve invoices fits one sheet; forty take two; with the agent's name at its
    // longest the closing text no longer fits under twelve.
    const struct {
        int invoices;
        bool longName;
        std::size_t sheets;
    } cases[] = {{12, false, 1}, {40, false, 2}, {12, true, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.invoices) + (c.longName ? " invoices, a long name" : ""));
        if (c.longName) {
            store->Firms[store->AgentFirmIndex].Name =
                "Общество с ограниченной ответственностью \"Связь-Сервис Северо-Западного "
                "региона и прилегающих территорий Ленинградской и Псковской областей\""_cp;
        }
        prepareMonth(c.invoices);
        tabs()->setCurrentIndex(TFormReport::OffsetActTab);
        EXPECT_EQ(tabSheets(TFormReport::OffsetActTab), c.sheets);

        const QString pdf = QString::fromStdString(folder.path()) + QStringLiteral("act.pdf");
        test::scriptedDialogs(*report).setPdfFileChooser(
            [&](QWidget*, const QString&) { return pdf; });
        click(*report, QStringLiteral("SpeedButton10"));
        EXPECT_EQ(pdfPages(pdf), static_cast<int>(c.sheets)) << "the PDF";

        QFile::remove(printout);
        answerPrintDialog(true);
        click(*report, QStringLiteral("SpeedButton7"));
        EXPECT_EQ(pdfPages(printout), static_cast<int>(c.sheets)) << "the printout";
        EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join('\n').toStdString();
        windows.reset();
    }
}

TEST_F(ReportPrintTest, PrintIsNamedForScreenReadersAndPressedFromTheKeyboard) {
    prepareMonth();
    tabs()->setCurrentIndex(TFormReport::ActTab);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(button("SpeedButton7"));
    ASSERT_TRUE(face);
    EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Печать"));

    answerPrintDialog(false);
    report->activateWindow();
    ASSERT_TRUE(test::waitActive(report));
    button("SpeedButton5")->setFocus(Qt::TabFocusReason);
    test::pressKey(*report, Qt::Key_Tab);
    EXPECT_EQ(test::focusName(*report), QStringLiteral("SpeedButton7")) << "Tab goes on from Slk";
    test::pressKey(*report, Qt::Key_Space);
    ASSERT_EQ(asked.size(), 1u) << "Space presses it";
    EXPECT_EQ(asked[0].job, QStringLiteral("Акт 1 за Март 2013"));
}

} // namespace
} // namespace kestrelon
