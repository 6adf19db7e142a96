#include "register_row.h"

#include "money.h"
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

bool isRegisterHeader(const std::vector<std::string>& cells) {
    return std::equal(cells.begin(), cells.end(), kRegisterColumns.begin(), kRegisterColumns.end());
}

bool isRegisterDataLine(const std::vector<std::string>& cells) {
    return cells.size() == kRegisterColumnCount && cells[AgentCustNo].size() == 8 &&
           cells[ClientCustNo].size() == 8 && cells[Invoice].size() == 13 &&
           isAmountText(cells[InvoiceDue]) && isAmountText(cells[InvoiceTax]) &&
           isAmountText(cells[InvoiceSumm]);
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
