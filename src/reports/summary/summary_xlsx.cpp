#include "store/cp1251.h"
#include "store/io_error.h"
#include "summary_files.h"

#include "xlsxwriter_library.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace kestrelon {
namespace {

// Where the workbook's lines start: the title, an empty line, the header.
constexpr lxw_row_t kHeaderRow = 2;
constexpr lxw_row_t kFirstLineRow = 3;
constexpr lxw_col_t kAmountColumns = 4;

std::string columnLetter(lxw_col_t column) {
    return std::string(1, static_cast<char>('A' + column));
}

// The workbook written by the library into a private temporary file, read back whole.
class TemporaryFile {
public:
    TemporaryFile() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "kestrelon-XXXXXX").string();
        const int fd = mkstemp(pattern.data());
        if (fd < 0) {
            throw IoError::fromErrno(errno, pattern);
        }
        close(fd);
        path_ = pattern;
    }
    ~TemporaryFile() { std::filesystem::remove(path_); }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::string& path() const { return path_; }
    std::string bytes() const {
        std::ifstream in(path_, std::ios::binary);
        std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (!in.good() && !in.eof()) {
            throw IoError::fromErrno(EIO, path_);
        }
        return all;
    }

private:
    std::string path_;
};

void writeLine(lxw_worksheet* sheet, lxw_row_t row, const SummaryLine& line, lxw_format* money,
               lxw_format* bold, lxw_format* boldMoney) {
    const SummarySums& sums = *line.sums;
    const bool total = line.kind != SummaryLine::Kind::Month;
    xlsxwriter().worksheet_write_string(sheet, row, 0, cp1251ToUtf8(line.label).c_str(),
                                        total ? bold : nullptr);
    const std::uint64_t amounts[kAmountColumns] = {sums.gross, sums.vat, sums.remuneration,
                                                   sums.toPrincipal};
    if (line.kind == SummaryLine::Kind::Month) {
        if (sums.reports == 0) {
            return; // empty cells
        }
        xlsxwriter().worksheet_write_number(sheet, row, 1, sums.reports, nullptr);
        for (lxw_col_t c = 0; c < kAmountColumns; ++c) {
            xlsxwriter().worksheet_write_number(sheet, row, 2 + c,
                                                static_cast<double>(amounts[c]) / 100.0, money);
        }
        return;
    }
    // A quarter sums its three months' lines above it; the year its four quarters' lines.
    const auto formula = [&](lxw_col_t column) {
        const std::string letter = columnLetter(column);
        if (line.kind == SummaryLine::Kind::Quarter) {
            return "=SUM(" + letter + std::to_string(row - 2) + ":" + letter + std::to_string(row) +
                   ")";
        }
        std::string sum = "=";
        for (int q = 0; q < 4; ++q) {
            sum += (q > 0 ? "+" : "") + letter + std::to_string(kFirstLineRow + 4 * q + 4);
        }
        return sum;
    };
    xlsxwriter().worksheet_write_formula_num(sheet, row, 1, formula(1).c_str(), bold, sums.reports);
    for (lxw_col_t c = 0; c < kAmountColumns; ++c) {
        xlsxwriter().worksheet_write_formula_num(sheet, row, 2 + c, formula(2 + c).c_str(),
                                                 boldMoney,
                                                 static_cast<double>(amounts[c]) / 100.0);
    }
}

} // namespace

std::string summaryXlsx(const YearSummary& summary) {
    try {
        xlsxwriter();
    } catch (const MissingLibrary& missing) {
        throw IoError(missing.what(), "xlsx");
    }
    const TemporaryFile file;
    lxw_workbook* book = xlsxwriter().workbook_new(file.path().c_str());
    if (book == nullptr) {
        throw IoError("the spreadsheet library could not start a workbook", file.path());
    }
    const std::string sheetName = "Итоги " + std::to_string(summary.year);
    lxw_worksheet* sheet = xlsxwriter().workbook_add_worksheet(book, sheetName.c_str());
    lxw_format* money = xlsxwriter().workbook_add_format(book);
    xlsxwriter().format_set_num_format(money, "#,##0.00");
    lxw_format* bold = xlsxwriter().workbook_add_format(book);
    xlsxwriter().format_set_bold(bold);
    lxw_format* boldMoney = xlsxwriter().workbook_add_format(book);
    xlsxwriter().format_set_bold(boldMoney);
    xlsxwriter().format_set_num_format(boldMoney, "#,##0.00");

    xlsxwriter().worksheet_write_string(sheet, 0, 0, summaryTitle(summary).c_str(), bold);
    for (lxw_col_t c = 0; c < std::size(kSummaryColumns); ++c) {
        xlsxwriter().worksheet_write_string(sheet, kHeaderRow, c, kSummaryColumns[c], bold);
    }
    xlsxwriter().worksheet_set_column(sheet, 0, 0, 16, nullptr);
    xlsxwriter().worksheet_set_column(sheet, 1, 1, 9, nullptr);
    xlsxwriter().worksheet_set_column(sheet, 2, 5, 16, nullptr);
    lxw_row_t row = kFirstLineRow;
    for (const SummaryLine& line : summaryLines(summary)) {
        writeLine(sheet, row++, line, money, bold, boldMoney);
    }
    const lxw_error error = xlsxwriter().workbook_close(book);
    if (error != LXW_NO_ERROR) {
        throw IoError(std::string("the spreadsheet library could not write the workbook: ") +
                          xlsxwriter().lxw_strerror(error),
                      file.path());
    }
    return file.bytes();
}

} // namespace kestrelon
