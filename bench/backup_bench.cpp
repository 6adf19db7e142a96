// A backup of a full data folder: 64 organizations, 64 contracts and 600 reports (33 MB),
// written, read back and checked; and the check on closing that finds nothing changed.

#include "backup/backup_folder.h"
#include "full_data_folder.h"
#include "reports/summary/summary_folder.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace kestrelon {
namespace {

const test::TempFolder& fullFolder() {
    static const test::TempFolder folder;
    static const bool written = [] {
        bench::writeFullDataFolder(folder.path(), {});
        for (int k = 0; k < 600; ++k) {
            test::writeSummaryReport(folder, std::to_string(k + 1), k % 12, 2013, "118000.00",
                                     "18000.00", "1500.50", "116499.50");
        }
        return true;
    }();
    (void)written;
    return folder;
}

void BM_Backup64Firms64Contracts600Reports(benchmark::State& state) {
    const std::string data = fullFolder().path();
    const test::TempFolder backups;
    int second = 0;
    for (auto _ : state) {
        const BackupOutcome made =
            makeBackup(data, backups.path(), {{2026, 12, 10}, 12, second / 60, second % 60}, true);
        ++second;
        state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(made.path));
    }
}
BENCHMARK(BM_Backup64Firms64Contracts600Reports)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_ClosingWithNothingChanged(benchmark::State& state) {
    const std::string data = fullFolder().path();
    const test::TempFolder backups;
    makeBackup(data, backups.path(), {{2026, 12, 10}, 12, 0, 0});
    for (auto _ : state) {
        if (makeBackup(data, backups.path(), {{2026, 12, 10}, 13, 0, 0}).made) {
            state.SkipWithError("a backup of an unchanged folder");
        }
    }
}
BENCHMARK(BM_ClosingWithNothingChanged)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
} // namespace kestrelon

BENCHMARK_MAIN();
