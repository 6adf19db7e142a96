// Register files: the largest register a report holds (801 invoices) and a sheet of 10 000 rows,
// both .xlsx as LibreOffice writes them, and the 801 invoices as an .xls whose INVOICE_SUMM cells
// are formulas, read into the register text. The peak memory of the process is reported with
// each, as the counter "peak_MiB".

#include "reports/register/register_file.h"
#include "reports/register/slk_import.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>

namespace kestrelon {
namespace {

std::string fileBytes(const char* name) {
    std::ifstream file(std::string(KESTRELON_BENCH_REGISTER_FILES) + "/" + name, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

double peakMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

using Reader = SheetText (*)(std::string_view, std::string_view);

void readRegister(benchmark::State& state, const char* name, std::size_t lines,
                  Reader reader = registerTextFromFile) {
    const std::string bytes = fileBytes(name);
    for (auto _ : state) {
        const SheetText read = reader(bytes, name);
        if (!read.ok() ||
            static_cast<std::size_t>(std::count(read.text.begin(), read.text.end(), '\n')) + 1 !=
                lines) {
            state.SkipWithError("the register was not read whole");
        }
        benchmark::DoNotOptimize(read.text.data());
    }
    state.counters["peak_MiB"] = peakMiB();
}

void BM_ReadXlsxOf801Invoices(benchmark::State& state) {
    readRegister(state, "register_801.xlsx", 803);
}
BENCHMARK(BM_ReadXlsxOf801Invoices)->Unit(benchmark::kMillisecond);

// As the import dialog reads it: in a child process of its own.
void BM_ReadXlsxOf801InvoicesInChildProcess(benchmark::State& state) {
    readRegister(state, "register_801.xlsx", 803, registerTextInChildProcess);
}
BENCHMARK(BM_ReadXlsxOf801InvoicesInChildProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

// The formulas count with the values the file keeps for them.
void BM_ReadXlsOf801InvoicesWithFormulas(benchmark::State& state) {
    readRegister(state, "register_801.xls", 803);
}
BENCHMARK(BM_ReadXlsOf801InvoicesWithFormulas)->Unit(benchmark::kMillisecond);

void BM_ReadXlsxOf10000Rows(benchmark::State& state) {
    readRegister(state, "register_10000_rows.xlsx", 10000);
}
BENCHMARK(BM_ReadXlsxOf10000Rows)->Unit(benchmark::kMillisecond);

void BM_ReadXlsxOf10000RowsInChildProcess(benchmark::State& state) {
    readRegister(state, "register_10000_rows.xlsx", 10000, registerTextInChildProcess);
}
BENCHMARK(BM_ReadXlsxOf10000RowsInChildProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace kestrelon

BENCHMARK_MAIN();
