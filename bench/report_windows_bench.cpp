// Report window figures with a full report (801 invoices), through the real windows as
// start-up creates them: "Get" over an imported register, the act of mutual offset's tab
// opened and scrolled, and a stored report opened from a full list of 64. Each time runs
// from the user's action to the window painted; setting up runs outside it.

#include "offscreen_bench_main.h"
#include "reports/files/fill_report.h"
#include "reports/files/report_files.h"
#include "reports/files/report_scan.h"
#include "reports/values/money.h"
#include "sample_report.h"
#include "store/cp1251.h"
#include "support/sample_catalogues.h"
#include "ui/main/program_windows.h"
#include "ui/reports/document_view.h"
#include "ui/reports/tform_report.h"
#include "ui/reports/tform_report_list.h"
#include "ui/widgets/find_named.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>

namespace kestrelon {
namespace {

constexpr std::size_t kFullReport = ReportRecord::kMaxRows;
constexpr int kStoredReports = static_cast<int>(ReportList::kMaxEntries);
const char* const kRemuneration = "15000.00";

// A message box would stop the run: messages are kept instead, and a benchmark that got
// one reports it as its error.
class RecordingSink : public MessageSink {
public:
    void showMessage(const QString& text) override { messages.append(text); }
    QStringList messages;
};

// Counts the paints a widget gets, so that a figure can prove the screen was drawn. It has
// no parent: it lives on the stack, and Qt forgets a destroyed filter by itself.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return QObject::eventFilter(watched, event);
    }
};

template <typename Action> double secondsOf(Action&& action) {
    const auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The sample catalogues, saved as the program keeps them so that start-up reads them back.
void writeCatalogues(DataStore& store) {
    test::fillCatalogues(store);
    store.SaveFileFirm();
    store.SaveFileClient();
    store.SaveFileAgent();
}

// A register of March 2013 as the import leaves it: the cell texts kept as read, their
// kopecks beside them, the amounts varied so that no two rows are alike.
RowSet importedRegister(std::size_t rows) {
    RowSet set;
    const char* const contracts[] = {"11111111", "33333333"};
    for (std::size_t i = 0; i < rows; ++i) {
        InvoiceRow row;
        row.AgentCustNo = "A0000001";
        row.ClientContractNo = contracts[i % 2];
        row.InvoiceNo = std::to_string(1000000000001ULL + i);
        row.InvoiceDate = "15.03.2013";
        row.AmountKop = 100000 + static_cast<std::uint32_t>(i * 4567 % 800000);
        row.VatKop = row.AmountKop * 18 / 100;
        row.GrossKop = row.AmountKop + row.VatKop;
        row.AmountText = KopToRub(row.AmountKop);
        row.VatText = KopToRub(row.VatKop);
        row.GrossText = KopToRub(row.GrossKop);
        set.rows.push_back(row);
    }
    return set;
}

// The program's windows over a data folder of their own, the report window on screen.
class ReportWindows {
public:
    ReportWindows() {
        store->DataFolder = folder.path().toStdString() + "/";
        context.today = [] { return QDate(2013, 4, 7); };
        writeCatalogues(*store);
    }

    // Creates every window as start-up does (reading the report files there are now) and
    // shows the report window.
    void open() {
        windows = createProgramWindows(context);
        report = windows->FormReport;
        report->show();
        (void)QTest::qWaitForWindowExposed(report);
        QApplication::processEvents();
    }

    template <typename T> T* child(QWidget* window, const char* name) const {
        return findNamed<T>(*window, QString::fromLatin1(name));
    }
    QLineEdit* edit(int number) const {
        return report->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(number));
    }
    QTabWidget* tabs() const { return child<QTabWidget>(report, "PageControl1"); }
    const DocumentView* offsetAct() const {
        return report->documentView(TFormReport::OffsetActTab);
    }

    // Types the remuneration as the user does, key by key.
    void typeRemuneration() {
        QLineEdit* field = edit(10);
        field->selectAll();
        QTest::keyClicks(field, QString::fromLatin1(kRemuneration));
    }

    // Writes a report file named as the program names it.
    void storeReport(const ReportRecord& record) {
        SaveReport(record, store->DataFolder, reportFileName(record));
    }

    // As the list opens a report: read the file, then the window shows it.
    bool openStored(const ReportListEntry& entry) {
        ReportWorkspace& reports = context.reports;
        if (!OpenReport(store->DataFolder, entry.FileName, *reports.record,
                        reports.currentFileName)) {
            return false;
        }
        reports.StoredReportOpen = true;
        report->openStoredReport();
        return true;
    }

    // Why the run cannot go on, or empty.
    std::string problem() const {
        return sink.messages.isEmpty() ? std::string() : sink.messages.join('\n').toStdString();
    }

    QTemporaryDir folder;
    std::unique_ptr<DataStore> store = std::make_unique<DataStore>();
    RecordingSink sink;
    AppContext context{*store, sink};
    std::unique_ptr<ProgramWindows> windows;
    TFormReport* report = nullptr;
};

// The report window holding the full stored report, opened as the list opens it.
bool openFullStoredReport(ReportWindows& w, benchmark::State& state) {
    w.storeReport(*test::sampleReport(kFullReport));
    w.open();
    w.context.reports.list = FindFilesReport(w.store->DataFolder);
    if (w.context.reports.list.count() != 1 ||
        !w.openStored(w.context.reports.list.entries.front())) {
        state.SkipWithError("the stored report could not be opened");
        return false;
    }
    QApplication::processEvents();
    if (!w.problem().empty()) {
        state.SkipWithError(w.problem().c_str());
        return false;
    }
    return true;
}

// "Get" in register mode: the user has imported the register and typed the remuneration.
// The time runs from the click to the totals and the grid of 801 rows on screen.
void BM_GetRegister801(benchmark::State& state) {
    ReportWindows w;
    w.context.reports.sets.SlkSet = importedRegister(kFullReport);
    w.open();
    auto* get = w.child<QToolButton>(w.report, "SpeedButton4");
    const PaintCounter painted(w.child<QTableWidget>(w.report, "StringGrid1")->viewport());
    for (auto _ : state) {
        w.typeRemuneration();
        QApplication::processEvents();
        const int before = painted.paints;
        state.SetIterationTime(secondsOf([&] {
            QTest::mouseClick(get, Qt::LeftButton);
            QApplication::processEvents();
        }));
        if (painted.paints == before) {
            state.SkipWithError("the grid was not painted");
            break;
        }
        if (w.edit(11)->text().isEmpty() || !w.problem().empty()) {
            state.SkipWithError(("no amount due after Get: " + w.problem()).c_str());
            break;
        }
    }
    state.counters["rows"] = static_cast<double>(w.context.reports.sets.SlkSet.count());
}
BENCHMARK(BM_GetRegister801)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

// Opening the act of mutual offset's tab: its texts with their wrapping, the pages, and the
// first paint of what is in sight. The tab is left again outside the time.
void switchToOffsetAct(ReportWindows& w, benchmark::State& state) {
    QTabWidget* tabs = w.tabs();
    const PaintCounter painted(w.offsetAct()->page());
    for (auto _ : state) {
        const int before = painted.paints;
        state.SetIterationTime(secondsOf([&] {
            tabs->setCurrentIndex(TFormReport::OffsetActTab);
            QApplication::processEvents();
        }));
        if (painted.paints == before) {
            state.SkipWithError("the act was not painted");
            break;
        }
        tabs->setCurrentIndex(TFormReport::ReportTab);
        QApplication::processEvents();
    }
    state.counters["pages"] = static_cast<double>(w.offsetAct()->document().pages.size());
}

void BM_OffsetActTabStored801(benchmark::State& state) {
    ReportWindows w;
    if (openFullStoredReport(w, state)) {
        switchToOffsetAct(w, state);
    }
}
BENCHMARK(BM_OffsetActTabStored801)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

// The same with the rows of a register just computed, not yet saved.
void BM_OffsetActTabLive801(benchmark::State& state) {
    ReportWindows w;
    w.context.reports.sets.SlkSet = importedRegister(kFullReport);
    w.open();
    w.typeRemuneration();
    w.report->getClicked();
    QApplication::processEvents();
    if (!w.problem().empty()) {
        state.SkipWithError(w.problem().c_str());
        return;
    }
    switchToOffsetAct(w, state);
}
BENCHMARK(BM_OffsetActTabLive801)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

// Paging through the act: one screen further down per frame (back to the top after the
// last), each frame drawn at once.
void BM_OffsetActScroll801(benchmark::State& state) {
    ReportWindows w;
    if (!openFullStoredReport(w, state)) {
        return;
    }
    w.tabs()->setCurrentIndex(TFormReport::OffsetActTab);
    QApplication::processEvents();
    const DocumentView* view = w.offsetAct();
    QScrollBar* bar = view->verticalScrollBar();
    const PaintCounter painted(view->page());
    for (auto _ : state) {
        const int next = bar->value() >= bar->maximum() ? 0 : bar->value() + bar->pageStep();
        const int before = painted.paints;
        state.SetIterationTime(secondsOf([&] {
            bar->setValue(next);
            view->viewport()->repaint();
        }));
        if (painted.paints == before) {
            state.SkipWithError("the act was not painted");
            break;
        }
        QApplication::processEvents();
    }
    state.counters["pages"] = static_cast<double>(view->document().pages.size());
}
BENCHMARK(BM_OffsetActScroll801)->UseManualTime()->Iterations(60)->Unit(benchmark::kMillisecond);

// "Open" in a list of 64 stored reports: from the click to the report's fields on screen.
// The list closes itself on Open; it is shown again, with the next row chosen, outside the
// time, and "New" puts the report window back in its editing state.
void BM_OpenFromList64(benchmark::State& state) {
    ReportWindows w;
    for (int k = 0; k < kStoredReports; ++k) {
        const auto record = test::sampleReport(3);
        record->OffsetActNo = std::to_string(k + 1);
        record->InvoiceNo = std::to_string(k + 1);
        record->ActNo = std::to_string(k + 1);
        w.storeReport(*record);
    }
    w.open();
    w.context.reports.list = FindFilesReport(w.store->DataFolder);
    if (w.context.reports.list.count() != static_cast<std::size_t>(kStoredReports)) {
        state.SkipWithError("the stored reports are not all listed");
        return;
    }
    TFormReportList* list = w.windows->FormReportList;
    list->ensureBuilt(); // as its first showing does
    auto* grid = w.child<QTableWidget>(list, "StringGrid1");
    auto* open = w.child<QToolButton>(list, "SpeedButton3");
    const PaintCounter painted(w.edit(1));
    int row = 0;
    for (auto _ : state) {
        w.report->newClicked();
        list->show();
        (void)QTest::qWaitForWindowExposed(list);
        row = (row + 17) % kStoredReports; // every row once in 64 opens
        grid->setCurrentCell(row, 0);
        QApplication::processEvents();
        const int before = painted.paints;
        state.SetIterationTime(secondsOf([&] {
            QTest::mouseClick(open, Qt::LeftButton);
            QApplication::processEvents();
        }));
        const std::string expected =
            w.context.reports.list.entries[static_cast<std::size_t>(row)].OffsetActNo.str();
        if (w.edit(1)->text().toStdString() != expected || !w.report->viewOnly() ||
            list->isVisible() || painted.paints == before) {
            state.SkipWithError(("the chosen report was not opened: " + w.problem()).c_str());
            break;
        }
    }
}
BENCHMARK(BM_OpenFromList64)->UseManualTime()->Iterations(64)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kestrelon

int main(int argc, char** argv) {
    return kestrelon::runOffscreenBenchmarks<QApplication>(argc, argv);
}
