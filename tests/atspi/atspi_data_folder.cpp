// atspi_data_folder DIR: writes into DIR the data a monthly report needs — the principal and
// the agent with the agent contract, three client contracts — one stored report of October
// 2012, so that the program started over DIR has a report list to open, and two tariff
// functions for the function editor's list.

#include "reports/files/fill_report.h"
#include "reports/files/report_files.h"
#include "sample_report.h"
#include "store/io_error.h"
#include "store/startup_load.h"
#include "support/sample_catalogues.h"
#include "tariff/function_samples.h"

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv) {
    using namespace kestrelon;
    if (argc != 2) {
        std::fputs("usage: atspi_data_folder DIR\n", stderr);
        return 2;
    }
    try {
        std::filesystem::create_directories(argv[1]);
        DataStore store;
        store.DataFolder = dataFolderFromChosen(argv[1]);
        test::fillCatalogues(store);
        store.SaveFileFirm();
        store.SaveFileClient();
        store.SaveFileAgent();
        for (const char* name : {"Тариф А", "Тариф Б"}) {
            TariffFunction& function = store.Functions[store.FunctionCount++];
            function = tariff::defaults();
            function.Name = utf8ToCp1251(name);
            function.CreatedTime = "10:00:00";
        }
        store.SaveFileFunc();

        auto report = test::sampleReport();
        report->PeriodMonth = 9; // October
        report->PeriodYear = 2;  // 2012
        SaveReport(*report, store.DataFolder, reportFileName(*report));
    } catch (const IoError& error) {
        std::fprintf(stderr, "atspi_data_folder: %s\n", error.message().c_str());
        return 1;
    }
    return 0;
}
