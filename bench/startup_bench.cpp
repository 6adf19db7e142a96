// Start-up figures with every table full: loading the tables alone, and the whole start
// from loading to the main window shown on screen (offscreen platform).

#include "full_data_folder.h"
#include "reports/files/report_record.h"
#include "store/startup_load.h"
#include "ui/main/program_windows.h"
#include "ui/main/tform_main.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

namespace {

class NullSink : public kestrelon::MessageSink {
public:
    void showMessage(const QString&) override {}
};

std::string benchFolder() {
    static const std::string folder = [] {
        const auto path = std::filesystem::temp_directory_path() / "kestrelon-bench-data";
        std::filesystem::create_directories(path);
        const std::string self = QCoreApplication::applicationDirPath().toStdString() + "/";
        kestrelon::bench::writeFullDataFolder(path.string() + "/", self);
        return path.string() + "/";
    }();
    return folder;
}

// The shipped files alone ("Tel" and "Pixels"), as a first start finds the folder.
std::string shippedFilesFolder() {
    static const std::string folder = [] {
        const auto path = std::filesystem::temp_directory_path() / "kestrelon-bench-shipped";
        std::filesystem::create_directories(path);
        const std::string self = QCoreApplication::applicationDirPath().toStdString() + "/";
        for (const char* name : {"Tel", "Pixels"}) {
            std::error_code ec;
            std::filesystem::copy_file(self + name, path / name,
                                       std::filesystem::copy_options::overwrite_existing, ec);
        }
        return path.string() + "/";
    }();
    return folder;
}

// Every table full and 600 reports.
std::string fullFolderWithReports() {
    static const std::string folder = [] {
        const auto path = std::filesystem::temp_directory_path() / "kestrelon-bench-full";
        std::filesystem::create_directories(path);
        const std::string self = QCoreApplication::applicationDirPath().toStdString() + "/";
        kestrelon::bench::writeFullDataFolder(path.string() + "/", self);
        const std::string record(sizeof(kestrelon::ReportRecord), '\0');
        for (int k = 1; k <= 600; ++k) {
            std::string bytes = record;
            bytes[offsetof(kestrelon::ReportRecord, PeriodMonth)] = static_cast<char>(k % 12);
            bytes[offsetof(kestrelon::ReportRecord, PeriodYear)] = 3;
            std::FILE* file =
                std::fopen((path / (std::to_string(k) + "_0313_12345678.rep")).c_str(), "wb");
            if (file != nullptr) {
                std::fwrite(bytes.data(), 1, bytes.size(), file);
                std::fclose(file);
            }
        }
        return path.string() + "/";
    }();
    return folder;
}

void BM_LoadAllTables(benchmark::State& state) {
    const std::string folder = benchFolder();
    for (auto _ : state) {
        auto store = std::make_unique<kestrelon::DataStore>();
        store->DataFolder = folder;
        kestrelon::loadStartupTables(*store);
        kestrelon::loadAgentContract(*store);
        benchmark::DoNotOptimize(store->FirmCount);
    }
}
BENCHMARK(BM_LoadAllTables)->Unit(benchmark::kMicrosecond);

void BM_StartupToMainWindowShown(benchmark::State& state) {
    const std::string folder = benchFolder();
    NullSink sink;
    for (auto _ : state) {
        const int code =
            kestrelon::runProgram(folder + "kestrelon", sink, [](kestrelon::ProgramWindows& w) {
                (void)QTest::qWaitForWindowExposed(w.FormMain.get());
                w.FormMain->close();
            });
        if (code != 0) {
            state.SkipWithError("start-up failed");
        }
    }
}
BENCHMARK(BM_StartupToMainWindowShown)->Unit(benchmark::kMillisecond);

// Seconds from the spawn of a child until it says "shown"; nothing when it does not.
std::optional<double> secondsToShown(const std::string& command) {
    const auto start = std::chrono::steady_clock::now();
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        return std::nullopt;
    }
    char line[16] = {};
    const bool shown = std::fgets(line, sizeof line, pipe) != nullptr;
    const auto elapsed = std::chrono::steady_clock::now() - start;
    ::pclose(pipe);
    if (!shown || std::string(line) != "shown\n") {
        return std::nullopt;
    }
    return std::chrono::duration<double>(elapsed).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The program's start beside a bare Qt window with a label, run by turns (bare, program, bare,
// program, …) so that both meet the machine alike: the ratio of the medians of 21 pairs, and
// the medians themselves. Over the folder of the shipped files alone (range 0), and over a
// full one: every table full and 600 reports (range 1).
void BM_PairedStartupRatio(benchmark::State& state) {
    const bool full = state.range(0) == 1;
    const std::string folder = full ? fullFolderWithReports() : shippedFilesFolder();
    const std::string dir = QCoreApplication::applicationDirPath().toStdString() + "/";
    const std::string bare = "'" + dir + "bare_window_child'";
    const std::string program = "'" + dir + "startup_child' '" + folder + "'";
    // The first runs warm the disk cache and make the folder's first backup.
    (void)secondsToShown(bare);
    (void)secondsToShown(program);
    for (auto _ : state) {
        std::vector<double> bareTimes;
        std::vector<double> programTimes;
        std::vector<double> ratios;
        for (int pair = 0; pair < 21; ++pair) {
            const auto a = secondsToShown(bare);
            const auto b = secondsToShown(program);
            if (!a || !b) {
                state.SkipWithError("a child did not show its window");
                return;
            }
            bareTimes.push_back(*a);
            programTimes.push_back(*b);
            ratios.push_back(*b / *a);
        }
        state.counters["bare_ms"] = median(bareTimes) * 1000;
        state.counters["program_ms"] = median(programTimes) * 1000;
        state.counters["ratio"] = median(programTimes) / median(bareTimes);
        state.counters["pair_ratio"] = median(ratios);
    }
}
BENCHMARK(BM_PairedStartupRatio)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

// The first window each button of the main window opens, over the full folder: from the click
// to the window on the screen, its first opening (built on first use where it is).
void BM_FirstWindowAfterClick(benchmark::State& state) {
    const char* const buttons[] = {"SpeedButton1", "SpeedButton2", "SpeedButton3",
                                   "SpeedButton4", "SpeedButton5", "SpeedButton8"};
    const char* const button = buttons[state.range(0)];
    for (auto _ : state) {
        state.PauseTiming();
        auto store = std::make_unique<kestrelon::DataStore>();
        store->DataFolder = fullFolderWithReports();
        kestrelon::loadStartupTables(*store);
        NullSink sink;
        kestrelon::AppContext context{*store, sink};
        const auto windows = kestrelon::createProgramWindows(context);
        windows->FormMain->show();
        (void)QTest::qWaitForWindowExposed(windows->FormMain.get());
        auto* target = windows->FormMain->findChild<QWidget*>(QString::fromLatin1(button));
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        double shownAfter = 0;
        QTimer::singleShot(0, [&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                (void)QTest::qWaitForWindowExposed(dialog);
                shownAfter =
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
                dialog->reject();
            }
        });
        QTest::mouseClick(target, Qt::LeftButton);
        state.SetIterationTime(shownAfter);
        state.counters["ms"] = shownAfter * 1000;
        state.PauseTiming();
        windows->FormMain->hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstWindowAfterClick)
    ->DenseRange(0, 5)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

// From the start of a new process (exec, dynamic loading, QApplication) to the main window
// shown: the time is taken by this process from the spawn of startup_child until it says so.
void BM_ProcessStartToMainWindowShown(benchmark::State& state) {
    const std::string folder = benchFolder();
    const std::string child =
        QCoreApplication::applicationDirPath().toStdString() + "/startup_child";
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        std::FILE* pipe = ::popen(("'" + child + "' '" + folder + "'").c_str(), "r");
        if (!pipe) {
            state.SkipWithError("cannot start startup_child");
            break;
        }
        char line[16] = {};
        const bool shown = std::fgets(line, sizeof line, pipe) != nullptr;
        const auto elapsed = std::chrono::steady_clock::now() - start;
        ::pclose(pipe);
        if (!shown || std::string(line) != "shown\n") {
            state.SkipWithError("the main window was not shown");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(elapsed).count());
    }
}
BENCHMARK(BM_ProcessStartToMainWindowShown)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
