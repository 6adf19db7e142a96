// The year's summary of a folder of 12 x 50 reports (600 files, 33 MB): the folder read and
// summed, and the whole window filled as «Год» opens it.

#include "offscreen_bench_main.h"
#include "reports/summary/summary_folder.h"
#include "ui/reports/tform_year.h"
#include "ui/widgets/message_sink.h"

#include <QApplication>
#include <QElapsedTimer>

namespace kestrelon {
namespace {

// 50 reports for each month of 2013.
const test::TempFolder& fullYearFolder() {
    static const test::TempFolder folder;
    static const bool written = [] {
        for (int month = 0; month < 12; ++month) {
            for (int k = 0; k < 50; ++k) {
                const int number = month * 50 + k + 1;
                test::writeSummaryReport(folder, std::to_string(number), month, 2013, "118000.00",
                                         "18000.00", "1500.50", "116499.50");
            }
        }
        return true;
    }();
    (void)written;
    return folder;
}

void BM_ReadAndSumYear600(benchmark::State& state) {
    const std::string folder = fullYearFolder().path();
    for (auto _ : state) {
        const YearSummary summary = summarizeYear(readFolderReports(folder), 2013);
        if (summary.total.reports != 600) {
            state.SkipWithError("reports were lost");
        }
        state.counters["reports"] = summary.total.reports;
    }
}
BENCHMARK(BM_ReadAndSumYear600)->Unit(benchmark::kMillisecond);

// From the click on «Год» to the window's table, picture and list filled.
void BM_OpenYearWindow600(benchmark::State& state) {
    DataStore store;
    store.DataFolder = fullYearFolder().path();
    MessageBoxSink messages;
    AppContext context{store, messages};
    TFormYear window(context, nullptr);
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        window.loadYear(2013);
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
        state.counters["reports"] = window.summary().total.reports;
    }
}
BENCHMARK(BM_OpenYearWindow600)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kestrelon

int main(int argc, char** argv) {
    return kestrelon::runOffscreenBenchmarks<QApplication>(argc, argv);
}
