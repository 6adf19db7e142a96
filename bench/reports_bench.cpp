// Report figures: import of a full register, the manual computation of 64 rows, and a scan
// of a folder holding 64 reports.

#include "reports/computation/manual_computation.h"
#include "reports/files/fill_report.h"
#include "reports/files/report_files.h"
#include "reports/files/report_scan.h"
#include "reports/register/slk_import.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>
#include <string>

namespace kestrelon {
namespace {

const std::string kContract = "12345678";

std::string registerText(int rows) {
    std::string text = "Invoices register for " + kContract + "\r\n";
    text += "AGENT_CUSTNO\tCLIENT_CUSTNO\tCLIENT_CUSTNAME\tINVOICE\tINVOICE_DATE\tINVOICE_DUE\t"
            "INVOICE_TAX\tINVOICE_SUMM\tSTATE\tSTATE_DATE\r\n";
    for (int i = 0; i < rows; ++i) {
        const std::string n = std::to_string(10000000 + i);
        text += "A" + n.substr(1) + "\tC" + n.substr(1) + "\tClient company " + n + "\t" + "INV" +
                n + "00" + "\t15.03.2013\t1234.56\t222.22\t1456.78\tPAID\t20.03.2013\r\n";
    }
    return text;
}

void BM_ImportRegister1024Rows(benchmark::State& state) {
    const std::string text = registerText(1024);
    for (auto _ : state) {
        const SlkImportResult result = parseRegister(text, kContract);
        if (result.rows.count() != 1024) {
            state.SkipWithError("rows were lost");
        }
        benchmark::DoNotOptimize(result.rows.count());
    }
}
BENCHMARK(BM_ImportRegister1024Rows)->Unit(benchmark::kMicrosecond);

void BM_ManualComputation64Rows(benchmark::State& state) {
    ManualInput input;
    GridRows typed;
    for (int r = 0; r < 64; ++r) {
        input.contractNos.push_back("D-" + std::to_string(r));
        typed.push_back({input.contractNos.back(), "", "", std::to_string(100 + r) + ".50",
                         r % 3 == 0 ? "17" : "", r % 2 == 0 ? "" : "130"});
    }
    input.period = Period{2, 3};
    input.remuneration = "100";
    for (auto _ : state) {
        GridRows grid = typed;
        RowSet set;
        auto result =
            runManualComputation(grid, input, set, [](const VatQuestion&) { return true; });
        benchmark::DoNotOptimize(result.ready);
    }
}
BENCHMARK(BM_ManualComputation64Rows)->Unit(benchmark::kMicrosecond);

std::string folderWith64Reports() {
    const auto path = std::filesystem::temp_directory_path() / "kestrelon-bench-reports";
    std::filesystem::create_directories(path);
    const std::string folder = path.string() + "/";
    auto record = std::make_unique<ReportRecord>();
    for (int i = 1; i <= 64; ++i) {
        record->OffsetActNo = std::to_string(i);
        record->AgentContractNo = kContract;
        record->PeriodMonth = static_cast<std::uint8_t>(i % 12);
        record->PeriodYear = 3;
        record->RowCount = 801;
        SaveReport(*record, folder, reportFileName(*record));
    }
    return folder;
}

void BM_ScanFolderWith64Reports(benchmark::State& state) {
    const std::string folder = folderWith64Reports();
    for (auto _ : state) {
        const ReportList list = FindFilesReport(folder);
        if (list.entries.size() != 64) {
            state.SkipWithError("reports were not found");
        }
        benchmark::DoNotOptimize(list.entries.size());
    }
}
BENCHMARK(BM_ScanFolderWith64Reports)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace kestrelon

BENCHMARK_MAIN();
