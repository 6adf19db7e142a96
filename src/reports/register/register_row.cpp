#include "register_row.h"

#include "reports/values/money.h"
#include "store/cp1251.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace kestrelon {
namespace {

enum Column : std::size_t {
    AgentCustNo = 0,
    ClientCustNo = 1,
    Invoice = 3,
    InvoiceDate = 4,
    InvoiceDue = 5,
    InvoiceTax = 6,
    InvoiceSumm = 7,
};

bool isAmountText(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return (c >= '0' && c <= '9') || c == ',' || c == '.'; });
}

std::string amountError(AmountError error, std::size_t lineNumber, std::size_t column,
                        const std::string& text) {
    std::string message = "Строка "_cp + std::to_string(lineNumber) + " реестра, столбец "_cp +
                          std::string(kRegisterColumns[column]) + ": ";
    if (error == AmountError::TooLarge) {
        message += "сумма «"_cp + text + "» больше "_cp + std::to_string(kMaxRubles) + " руб."_cp;
    } else {
        message += "неверная сумма «"_cp + text + "»."_cp;
    }
    return message + " Загрузка остановлена."_cp;
}

} // namespace

void joinDigitGroups(std::vector<std::string>& cells) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    for (const std::size_t column : {InvoiceDue, InvoiceTax, InvoiceSumm}) {
        if (column >= cells.size()) {
            return;
        }
        std::string& cell = cells[column];
        std::string joined;
        for (std::size_t i = 0; i < cell.size(); ++i) {
            const char c = cell[i];
            const bool separator = c == ' ' || c == '\xA0' || c == '?';
            if (separator && i > 0 && i + 1 < cell.size() && digit(cell[i - 1]) &&
                digit(cell[i + 1])) {
                continue;
            }
            joined += c;
        }
        cell = std::move(joined);
    }
}

bool isRegisterHeader(const std::vector<std::string>& cells) {
    return std::equal(cells.begin(), cells.end(), kRegisterColumns.begin(), kRegisterColumns.end());
}

std::optional<std::string> dataLineProblem(const std::vector<std::string>& cells) {
    if (cells.size() != kRegisterColumnCount) {
        return "не десять ячеек"_cp;
    }
    const struct {
        Column column;
        const char* what; // UTF-8
        std::size_t length;
    } numbers[] = {{ClientCustNo, "номера договора клиента", 8}, {Invoice, "номера счета", 13}};
    for (const auto& number : numbers) {
        const std::string& cell = cells[number.column];
        if (cell.empty()) {
            return "нет "_cp + utf8ToCp1251(number.what);
        }
        if (cell.size() != number.length) {
            return "в ячейке "_cp + std::string(kRegisterColumns[number.column]) + " «"_cp + cell +
                   "» не "_cp + std::to_string(number.length) + " знаков"_cp;
        }
    }
    if (cells[InvoiceDate].empty()) {
        return "нет даты счета"_cp;
    }
    const struct {
        Column column;
        const char* what; // UTF-8
    } amounts[] = {
        {InvoiceDue, "суммы без НДС"}, {InvoiceTax, "суммы НДС"}, {InvoiceSumm, "суммы с НДС"}};
    for (const auto& amount : amounts) {
        const std::string& cell = cells[amount.column];
        if (cell.empty()) {
            return "нет "_cp + utf8ToCp1251(amount.what);
        }
        if (!isAmountText(cell)) {
            return "в ячейке "_cp + std::string(kRegisterColumns[amount.column]) + " «"_cp + cell +
                   "» не сумма"_cp;
        }
    }
    return std::nullopt;
}

RegisterRow registerRow(const std::vector<std::string>& cells, std::size_t lineNumber) {
    RegisterRow result;
    InvoiceRow& row = result.row;
    row.AgentCustNo = cells[AgentCustNo];
    row.ClientContractNo = cells[ClientCustNo];
    row.InvoiceNo = cells[Invoice];
    row.InvoiceDate = cells[InvoiceDate];
    const std::array<std::pair<std::uint32_t*, ShortStr<10>*>, 3> amounts = {{
        {&row.AmountKop, &row.AmountText},
        {&row.VatKop, &row.VatText},
        {&row.GrossKop, &row.GrossText},
    }};
    for (std::size_t i = 0; i < amounts.size(); ++i) {
        const std::size_t column = InvoiceDue + i;
        if (cells[column].size() > kMaxAmountTextLength) {
            result.error = "Строка "_cp + std::to_string(lineNumber) + " реестра, столбец "_cp +
                           std::string(kRegisterColumns[column]) + ": сумма «"_cp + cells[column] +
                           "» длиннее 10 знаков и не помещается в отчет. Загрузка остановлена."_cp;
            return result;
        }
        const KopecksOrError parsed = parseAmount(cells[column]);
        if (!parsed.ok()) {
            result.error = amountError(parsed.error, lineNumber, column, cells[column]);
            return result;
        }
        *amounts[i].first = parsed.kopecks;
        *amounts[i].second = cells[column]; // as imported, not reformatted
    }
    return result;
}

} // namespace kestrelon
