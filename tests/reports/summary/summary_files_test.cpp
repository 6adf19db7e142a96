// The year's summary written for the accountant: the CSV text any program reads, and the .xlsx
// workbook read back cell for cell by our own reader and by one no one here wrote (openpyxl),
// its quarter and year lines formulas carrying the right values.

#include "reports/summary/summary_files.h"
#include "sheets/zipped/xlsx_workbook.h"
#include "store/cp1251.h"
#include "summary_folder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>
#include <sstream>

namespace kestrelon {
namespace {

YearSummary sampleYear(const test::SummaryFolder& folder) {
    folder.report("1", 0, 2013, "1000.01", "152.54", "100.10", "899.91");
    folder.report("2", 2, 2013, "2000.00", "305.08", "200.00", "1800.00");
    folder.report("3", 2, 2013, "0.99", "0.15", "0.09", "0.90");
    folder.report("4", 10, 2013, "1234567.89", "188323.91", "12345.67", "1222222.22");
    return summarizeYear(readFolderReports(folder.path()), 2013);
}

TEST(SummaryFiles, TheCsvHasSemicolonsDecimalCommasAndEmptyMonths) {
    const test::SummaryFolder folder;
    const std::string csv = summaryCsv(sampleYear(folder));
    EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF") << "UTF-8 with its mark";
    EXPECT_EQ(csv.substr(3), "Месяц;Отчетов;С НДС;НДС;Вознаграждение;Принципалу\r\n"
                             "Январь;1;1000,01;152,54;100,10;899,91\r\n"
                             "Февраль;;;;;\r\n"
                             "Март;2;2000,99;305,23;200,09;1800,90\r\n"
                             "I квартал;3;3001,00;457,77;300,19;2700,81\r\n"
                             "Апрель;;;;;\r\nМай;;;;;\r\nИюнь;;;;;\r\n"
                             "II квартал;0;0,00;0,00;0,00;0,00\r\n"
                             "Июль;;;;;\r\nАвгуст;;;;;\r\nСентябрь;;;;;\r\n"
                             "III квартал;0;0,00;0,00;0,00;0,00\r\n"
                             "Октябрь;;;;;\r\n"
                             "Ноябрь;1;1234567,89;188323,91;12345,67;1222222,22\r\n"
                             "Декабрь;;;;;\r\n"
                             "IV квартал;1;1234567,89;188323,91;12345,67;1222222,22\r\n"
                             "Итого за год;4;1237568,89;188781,68;12645,86;1224923,03\r\n");
}

// Runs openpyxl over the workbook; its lines "A1<TAB>value<TAB>formula<TAB>format".
std::vector<std::string> readWithOpenpyxl(const std::string& path) {
    const std::string command =
        std::string(KESTRELON_PYTHON) + " " + KESTRELON_OPENPYXL_READER + " '" + path + "'";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::vector<std::string> lines;
    std::array<char, 4096> buffer{};
    std::string all;
    while (pipe && fgets(buffer.data(), buffer.size(), pipe.get()) != nullptr) {
        all += buffer.data();
    }
    std::istringstream in(all);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

bool contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(SummaryFiles, TheWorkbookReadsBackCellForCellWithItsFormulasValues) {
    const test::SummaryFolder folder;
    const std::string bytes = summaryXlsx(sampleYear(folder));
    folder.writeFile("year.xlsx", bytes);

    const std::vector<std::string> cells = readWithOpenpyxl(folder.path() + "year.xlsx");
    ASSERT_FALSE(cells.empty()) << "python3-openpyxl is missing; scripts/setup.sh installs it";
    for (const std::string& expected : {
             std::string("A1\tИтоги 2013 года — ООО \"Сапсан-Телеком\"\t\tGeneral"),
             std::string("A3\tМесяц\t\tGeneral"),
             std::string("F3\tПринципалу\t\tGeneral"),
             std::string("A4\tЯнварь\t\tGeneral"),
             std::string("B4\t1\t\tGeneral"),
             std::string("C4\t1000.01\t\t#,##0.00"),
             std::string("F6\t1800.90\t\t#,##0.00"),
             std::string("B7\t3\t=SUM(B4:B6)\tGeneral"),
             std::string("C7\t3001.00\t=SUM(C4:C6)\t#,##0.00"),
             std::string("E7\t300.19\t=SUM(E4:E6)\t#,##0.00"),
             std::string("C11\t0.00\t=SUM(C8:C10)\t#,##0.00"),
             std::string("D19\t188323.91\t=SUM(D16:D18)\t#,##0.00"),
             std::string("A20\tИтого за год\t\tGeneral"),
             std::string("C20\t1237568.89\t=C7+C11+C15+C19\t#,##0.00"),
             std::string("F20\t1224923.03\t=F7+F11+F15+F19\t#,##0.00"),
         }) {
        EXPECT_TRUE(contains(cells, expected)) << expected;
    }
    EXPECT_FALSE(contains(cells, "B5\t0\t\tGeneral")) << "a month without a report is empty";

    // Our own reader takes the cached values as numbers, as a paste of the sheet gives them.
    WorkbookCells book;
    readXlsxWorkbook(bytes, book);
    const SheetText text = book.registerText();
    ASSERT_TRUE(text.ok()) << cp1251ToUtf8(text.message);
    const std::string read = cp1251ToUtf8(text.text);
    for (const char* line :
         {"Январь\t1\t1000.01\t152.54\t100.1\t899.91\n", "Февраль\t\t\t\t\t\n",
          "I квартал\t3\t3001\t457.77\t300.19\t2700.81\n", "II квартал\t0\t0\t0\t0\t0\n",
          "Итого за год\t4\t1237568.89\t188781.68\t12645.86\t1224923.03"}) {
        EXPECT_NE(read.find(line), std::string::npos) << line << " in\n" << read;
    }
}

} // namespace
} // namespace kestrelon
