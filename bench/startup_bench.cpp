// Start-up figures with every table full: loading the tables alone, and the whole start
// from loading to the main window shown on screen (offscreen platform).

#include "full_data_folder.h"
#include "store/startup_load.h"
#include "ui/main/program_windows.h"

#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

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
