// report_print_e2e invoice|act|offset-act [ROWS]: prints one document of a stored sample
// report the way a bookkeeper does: the report is opened from the report list, its tab is
// chosen, the report window's print button is pressed and the print dialog is accepted as it
// comes, on the system's default printer. scripts/print-test.sh runs it against a private
// print server and checks the paper and the job's name.

#include "reports/files/fill_report.h"
#include "reports/files/report_files.h"
#include "sample_report.h"
#include "support/temp_folder.h"
#include "ui/main/program_windows.h"
#include "ui/reports/document_view.h"
#include "ui/reports/tform_report.h"
#include "ui/reports/tform_report_list.h"
#include "ui/support/scripted_report_dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPrinter>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <cstdlib>
#include <iostream>
#include <string>

namespace {

using namespace kestrelon;

// Any message means the print did not go as a user expects.
class FailingSink : public MessageSink {
public:
    void showMessage(const QString& text) override {
        std::cerr << "report_print_e2e: message: " << text.toStdString() << "\n";
        failed = true;
    }
    bool failed = false;
};

int tabOf(const std::string& name) {
    if (name == "invoice") {
        return TFormReport::InvoiceTab;
    }
    if (name == "act") {
        return TFormReport::ActTab;
    }
    if (name == "offset-act") {
        return TFormReport::OffsetActTab;
    }
    return -1;
}

void clickButton(QWidget& window, const char* name) {
    if (auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(name))) {
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        std::cerr << "report_print_e2e: no button " << name << "\n";
        std::exit(1);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    const int tab = argc >= 2 ? tabOf(argv[1]) : -1;
    if (argc < 2 || argc > 3 || tab < 0) {
        std::cerr << "usage: report_print_e2e invoice|act|offset-act [ROWS]\n";
        return 2;
    }
    const std::size_t rows = argc == 3 ? std::strtoul(argv[2], nullptr, 10) : 3;

    test::TempFolder folder;
    const auto report = test::sampleReport(rows);
    SaveReport(*report, folder.path(), reportFileName(*report));

    DataStore store;
    store.DataFolder = folder.path();
    FailingSink messages;
    AppContext context{store, messages};
    const auto windows = createProgramWindows(context);

    // As a user goes: the report window, its "List", a row, "Open".
    TFormReport& window = *windows->FormReport;
    window.show();
    TFormReportList& list = *windows->FormReportList;
    list.show();
    auto* grid = list.findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
    if (grid == nullptr || grid->rowCount() != 1 || grid->item(0, 0) == nullptr) {
        std::cerr << "report_print_e2e: the report is not listed\n";
        return 1;
    }
    grid->setCurrentCell(0, 0);
    clickButton(list, "SpeedButton3"); // "Open"

    // The print dialog is answered as a user who takes what it offers: the default printer,
    // one copy, every sheet. What it was shown, and how many sheets the tab shows, go where
    // the script can check them against the print server's log and the paper.
    test::scriptedDialogs(window).setPrinterChooser([](QWidget*, QPrinter& printer, int sheets) {
        std::cout << "report_print_e2e: job \"" << printer.docName().toStdString() << "\" on "
                  << printer.printerName().toStdString() << ", " << sheets << " sheet(s)\n";
        return true;
    });
    window.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(tab);
    const auto shown = window.documentView(static_cast<TFormReport::Tab>(tab))->document();
    std::cout << "report_print_e2e: the tab shows " << shown.pages.size() << " sheet(s)\n";
    clickButton(window, "SpeedButton7"); // print
    return messages.failed ? 1 : 0;
}
