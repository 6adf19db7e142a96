// window_screenshots OUT_FOLDER: renders every report window at its designed size over a
// sample month, as PNG files, so that a person can look at them for clipped or overlapping
// texts. It is a looking aid, not a test; run it offscreen or under Xvfb.

#include "backup/backup_folder.h"
#include "catalogues/contract_parties.h"
#include "report_windows.h"
#include "reports/computation/manual_computation.h"
#include "reports/register/import_summary.h"
#include "reports/register/register_file.h"
#include "reports/summary/summary_folder.h"
#include "store/startup_load.h"
#include "ui/main/tform_backups.h"
#include "ui/main/tform_main.h"
#include "ui/reports/edo_details_dialog.h"
#include "ui/reports/payment_details_dialog.h"
#include "ui/reports/tform23.h"
#include "ui/reports/tform_change_rep.h"
#include "ui/reports/tform_del_rep.h"
#include "ui/reports/tform_err_nds.h"
#include "ui/reports/tform_report_list.h"
#include "ui/reports/tform_slk.h"
#include "ui/reports/tform_year.h"
#include "ui/tariff/tform1.h"
#include "ui/tariff/tform2.h"
#include "ui/tariff/tform_func.h"
#include "ui/widgets/find_named.h"
#include "ui/widgets/message_sink.h"
#include "ui/widgets/qt_text.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <iostream>

namespace {

using namespace kestrelon;

void shoot(QWidget& window, const QString& folder, const QString& name) {
    window.show();
    // Folder views fill in the background: give them a moment.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 300) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    if (!window.grab().save(path)) {
        std::cerr << "cannot write " << path.toStdString() << "\n";
    }
    window.hide();
}

void typeAmounts(QTableWidget& grid, int row, const char* net, const char* vat, const char* gross) {
    grid.item(row, 3)->setText(QString::fromUtf8(net));
    grid.item(row, 4)->setText(QString::fromUtf8(vat));
    grid.item(row, 5)->setText(QString::fromUtf8(gross));
}

// The price-list tool on its four pages over a short list, and the function editor with a
// stored function and its graph.
void shootTariffWindows(ProgramWindows& windows, const test::TempFolder& folder,
                        const QString& out) {
    folder.writeFile("list.txt", "Молоко «Домик в деревне» 3,2% 1 л   89.90\n"
                                 "Хлеб бородинский нарезной 45\nСыр российский 100 г 155,5\n"
                                 "Чай черный байховый 25 пакетиков 99.99\n");
    TForm1& tool = *windows.Form1;
    tool.openFile(QString::fromStdString(folder.path() + "list.txt"));
    auto* pages = tool.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    const char* names[] = {"price-file", "price-edit", "price-output", "price-copy"};
    tool.findChild<QLineEdit*>(QStringLiteral("Edit2"))->setText(QStringLiteral("100"));
    for (int page = 0; page < 4; ++page) {
        pages->setCurrentIndex(page);
        if (page == TForm1::EditPage) {
            tool.findChild<QSpinBox*>(QStringLiteral("UpDown1"))->setValue(35);
        }
        if (page == TForm1::CopyPage) {
            tool.SpeedButton6Click();
        }
        shoot(tool, out, QString::fromLatin1(names[page]));
    }

    TForm2& editor = *windows.Form2;
    editor.ensureBuilt();
    editor.findChild<QComboBox*>(QStringLiteral("ComboBox1"))
        ->setEditText(QStringLiteral("Розница, Москва"));
    for (int field = 8; field < 16; ++field) {
        editor.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(field))
            ->setText(QString::number(300 - 30 * (field - 8)));
    }
    editor.Check();
    editor.SpeedButton2Click();
    editor.InitDraw();
    shoot(editor, out, QStringLiteral("function-editor"));
    windows.FormFunc->showFunctions(0);
    shoot(*windows.FormFunc, out, QStringLiteral("function-list"));
}

// The boxes the month's edges show: the principal not found or about to be deleted, an
// import's account with its month, a refused import and file, and a second report of a month.
void shootMonthMessages(const QString& out) {
    auto store = std::make_unique<DataStore>();
    test::fillCatalogues(*store);
    FirmRecord& real = store->Firms[store->FirmCount++];
    real.Name = utf8ToCp1251("Публичное акционерное общество \"Мобильные ТелеСистемы\"");
    real.Inn = "7740000076";
    store->PrincipalChoice = real.Inn;
    store->refreshFirmIndexes();
    const std::string deletion = partyDeletionQuestion(*store, store->FirmCount - 1);
    --store->FirmCount;
    store->refreshFirmIndexes();
    std::string lines = "AGENT_CUSTNO\tCLIENT_CUSTNO\tCLIENT_CUSTNAME\tINVOICE\tINVOICE_DATE\t"
                        "INVOICE_DUE\tINVOICE_TAX\tINVOICE_SUMM\tSTATE\tSTATE_DATE";
    for (const char* date : {"15.10.2026", "31.10.2026", "30.09.2026", "02.11.2026"}) {
        lines += std::string("\nA0000001\t11111111\tName\t1000000000001\t") + date +
                 "\t1000\t180\t1180\tpaid\tx";
    }
    lines += "\nA0000001\t11111111\tName\t100000000000\t15.10.2026\t1\t1\t1\tpaid\tx";
    const SlkImportResult read = parseRegister(lines, "12345678");
    const struct {
        const char* name;
        MessageKind kind;
        std::string text; // cp1251
    } boxes[] = {
        {"message-principal-missing", MessageKind::Error, missingPrincipalProblem(*store)},
        {"message-principal-deletion", MessageKind::Question, deletion},
        {"message-import-month", MessageKind::Information, importSummary(read, Period{10, 16})},
        {"message-import-other-contract", MessageKind::Error,
         parseRegister("Invoices register for 87654321", "12345678").messages.at(0)},
        {"message-open-misnamed", MessageKind::Error,
         registerTextFromFile("a;b\n", utf8ToCp1251("/home/buh/Реестр за октябрь.xlsx")).message},
        {"message-second-report", MessageKind::Question,
         utf8ToCp1251("За Октябрь 2026 г. уже есть отчет:\nакт зачета № 41, файл "
                      "«41_1026_12345678.rep»\nСохранить еще один отчет за этот месяц?")},
    };
    for (const auto& box : boxes) {
        const auto shown = makeMessageBox(nullptr, box.kind, fromCp1251(box.text));
        shoot(*shown, out, QString::fromLatin1(box.name));
        shown->hide();
    }
}

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: window_screenshots OUT_FOLDER\n";
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);

    test::TempFolder folder;
    DataStore store;
    store.DataFolder = folder.path();
    test::fillCatalogues(store);
    LoadFunctionTable(store); // the function editor's start values
    MessageBoxSink messages;
    AppContext context{store, messages};
    context.today = [] { return QDate(2013, 1, 7); };
    const auto windows = createProgramWindows(context);
    TFormReport& report = *windows->FormReport;

    report.show();
    report.manualModeClicked();
    auto* grid = report.findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
    typeAmounts(*grid, 0, "1000", "", "");
    typeAmounts(*grid, 1, "", "", "2360");
    report.findChild<QLineEdit*>(QStringLiteral("Edit10"))->setText(QStringLiteral("150.50"));
    report.getClicked();
    shoot(report, out, QStringLiteral("report-manual"));
    report.saveClicked();
    shoot(report, out, QStringLiteral("report-view-only"));

    auto* tabs = report.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    const char* names[] = {"", "invoice-tab", "act-tab", "offset-act-tab"};
    for (int tab = 1; tab <= 3; ++tab) {
        report.show();
        tabs->setCurrentIndex(tab);
        shoot(report, out, QString::fromLatin1(names[tab]));
    }
    // The act at twice its size and as a whole page: drawn anew, not enlarged.
    tabs->setCurrentIndex(2);
    report.setZoom({DocumentZoom::Fit::None, 200});
    shoot(report, out, QStringLiteral("act-tab-200"));
    report.setZoom({DocumentZoom::Fit::Page, 100});
    shoot(report, out, QStringLiteral("act-tab-fit-page"));
    report.setZoom({});
    tabs->setCurrentIndex(0);

    // What "ЭДО" asks the first time, for a principal and an agent with long real names.
    EdoDetailsDialog edo(EdoDetailsRequest{QStringLiteral("Общество с ограниченной "
                                                          "ответственностью \"Сапсан-Телеком\""),
                                           QStringLiteral("Публичное акционерное общество "
                                                          "\"Ростелеком-Тарвел Северо-Запад\""),
                                           true, true, true, QStringLiteral("Иванов И. И.")},
                         &report);
    edo.findChild<QLineEdit*>(QStringLiteral("EditAgentId"))->setText(QStringLiteral("2BE_1"));
    edo.accept(); // shows what is wrong with the id
    shoot(edo, out, QStringLiteral("edo-details"));
    PaymentDetailsDialog payment(PaymentDetails{QStringLiteral("17"), QStringLiteral("32.01.2013")},
                                 &report);
    payment.accept(); // says what is wrong with the date
    shoot(payment, out, QStringLiteral("payment-details"));

    windows->FormSlk->textArea()->setPlainText(QStringLiteral(
        "Invoices register for 12345678\nAGENT_CUSTNO\tCLIENT_CUSTNO\tCLIENT_CUSTNAME\tINVOICE"
        "\tINVOICE_DATE\tINVOICE_DUE\tINVOICE_TAX\tINVOICE_SUMM\tSTATE\tSTATE_DATE\n"
        "A0000001\t11111111\tООО \"Ромашка\"\t1000000000001\t15.11.2012\t1000,00\t180,00\t"
        "1180,00\tpaid\t20.11.2012"));
    shoot(*windows->FormSlk, out, QStringLiteral("import"));

    VatQuestion question;
    question.code = 9;
    question.rowIndex = 2;
    question.net = "100";
    question.vat = "17";
    question.gross = "119";
    question.expectedVat = "18.00";
    question.expectedGross = "118.00";
    QTimer::singleShot(0, windows->FormErrNDS, [&] {
        shoot(*windows->FormErrNDS, out, QStringLiteral("vat-question"));
        windows->FormErrNDS->reject();
    });
    windows->FormErrNDS->ask(question);

    QTimer::singleShot(0, windows->FormReportList, [&] {
        shoot(*windows->FormReportList, out, QStringLiteral("report-list"));
        windows->FormReportList->reject();
    });
    windows->FormReportList->exec();

    // The year's summary of 2012: the saved December, ten more months, two in March, and a file
    // that is no report.
    const char* const gross[] = {"118000.00",  "95400.50",  "120300.00", "87000.10",
                                 "99999.99",   "150000.00", "43210.98",  "76543.21",
                                 "1234567.89", "88000.00",  "64000.00"};
    for (int m = 0; m < 11; ++m) {
        test::writeSummaryReport(folder, std::to_string(20 + m), m, 2012, gross[m], "0.00",
                                 "1000.00", gross[m]);
    }
    test::writeSummaryReport(folder, "40", 2, 2012, "5000.00", "762.71", "100.00", "4900.00");
    folder.writeFile("копия отчета.rep", std::string(1000, 'x'));
    auto* year = findNamed<TFormYear>(*windows->FormReportList, QStringLiteral("FormYear"));
    year->loadYear(2012);
    shoot(*year, out, QStringLiteral("year"));
    year->hide();

    // «Резервные копии» with two backups of this folder.
    makeBackup(store.DataFolder, defaultBackupFolder(store.DataFolder), {{2013, 1, 6}, 18, 5, 0});
    makeBackup(store.DataFolder, defaultBackupFolder(store.DataFolder), {{2013, 1, 7}, 17, 45, 9},
               true);
    TFormBackups* backups = windows->FormMain->backupsWindow();
    backups->showBackups();
    shoot(*backups, out, QStringLiteral("backups"));
    backups->hide();

    QTimer::singleShot(0, windows->FormDelRep, [&] {
        shoot(*windows->FormDelRep, out, QStringLiteral("delete-question"));
        windows->FormDelRep->reject();
    });
    windows->FormDelRep->ask(QStringLiteral("Акт зачета № 1. Отчетный период - Декабрь 2012 г."));

    QTimer::singleShot(0, windows->FormChangeRep, [&] {
        shoot(*windows->FormChangeRep, out, QStringLiteral("replace-question"));
        windows->FormChangeRep->reject();
    });
    windows->FormChangeRep->ask(
        QStringLiteral("Акт зачета № 1 за Декабрь 2012 г. уже есть."),
        QStringLiteral("Сохранить изменения в акте зачета № 1 за Декабрь 2012 г."));

    QTimer::singleShot(0, windows->Form23, [&] {
        shoot(*windows->Form23, out, QStringLiteral("folder-chooser"));
        windows->Form23->reject();
    });
    windows->Form23->chooseFolder();
    shootTariffWindows(*windows, folder, out);
    shootMonthMessages(out);
    std::cout << "screenshots in " << out.toStdString() << "\n";
    return 0;
}
