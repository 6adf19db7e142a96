#include "slk_import.h"

#include "register_cells.h"
#include "register_line.h"
#include "register_row.h"
#include "store/cp1251.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace kestrelon {
namespace {

// A reading step's outcome: nullopt goes on; a text ends the reading, with that message
// unless it is empty.
using Stop = std::optional<std::string>;

// A one-cell line is a note to skip unless it has the title's four words; a title for our
// contract is passed, any other title ends the reading.
// A title that stops with a message is another contract's, or there is no contract to check it
// against.
Stop readTitle(const std::string& cell, std::string_view agentContractNo) {
    static constexpr std::array<std::string_view, 3> kTitleWords = {"Invoices", "register", "for"};
    const auto words = splitCells(cell, ' ');
    if (!words || words->size() != 4) {
        return std::nullopt;
    }
    if (!std::equal(kTitleWords.begin(), kTitleWords.end(), words->begin())) {
        return std::string();
    }
    if (agentContractNo.empty()) {
        return "Введите номер агентского договора"_cp;
    }
    if ((*words)[3] != agentContractNo) {
        return "Номер агентского договора не совпадает с загруженными данными: в реестре — «"_cp +
               (*words)[3] + "», в карточке агентского договора — «"_cp +
               std::string(agentContractNo) + "»."_cp;
    }
    return std::nullopt;
}

// The next line without its "\n" and a trailing "\r"; moves pos past the "\n".
std::string_view nextLine(std::string_view text, std::size_t& pos) {
    const std::size_t end = std::min(text.find('\n', pos), text.size());
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

// Adds the row of a valid data line, unless the rows are full or an amount gives no value.
Stop storeRow(const std::vector<std::string>& cells, std::size_t lineNumber,
              SlkImportResult& result) {
    std::vector<InvoiceRow>& rows = result.rows.rows;
    if (rows.size() == RowSet::kCapacity) {
        return "Число строк больше "_cp + std::to_string(RowSet::kCapacity);
    }
    RegisterRow read = registerRow(cells, lineNumber);
    if (!read.ok()) {
        return std::move(read.error);
    }
    rows.push_back(read.row);
    result.rowLines.push_back(lineNumber);
    // Taken as the principal's register has it, but said: a writer that left a placeholder
    // for a formula gives every row the same wrong sum.
    const InvoiceRow& row = read.row;
    if (static_cast<std::uint64_t>(row.AmountKop) + row.VatKop != row.GrossKop) {
        result.mismatched.push_back({lineNumber, "без НДС "_cp + row.AmountText.str() +
                                                     ", НДС "_cp + row.VatText.str() +
                                                     ", с НДС "_cp + row.GrossText.str()});
    }
    return std::nullopt;
}

} // namespace

SlkImportResult parseRegister(std::string_view text, std::string_view agentContractNo) {
    SlkImportResult result;
    const std::vector<InvoiceRow>& rows = result.rows.rows;
    // Until the header or the first row is read, a header line is taken and other lines are
    // passed over; afterwards a line is a row or is told as skipped. A register without a
    // header starts its rows at the first valid data line.
    std::optional<std::size_t> headerColumn;
    bool started = false;
    std::size_t pos = 0;
    for (std::size_t lineNumber = 1; pos < text.size(); ++lineNumber) {
        RegisterLine line = readRegisterLine(nextLine(text, pos), headerColumn);
        if (line.cells) {
            joinDigitGroups(*line.cells);
        }
        Stop stop;
        if (line.kind == RegisterLine::Kind::OneCell) {
            stop = readTitle(line.oneCell, agentContractNo);
            // Rows above a title of another contract are not ours either.
            result.refused = stop && !stop->empty();
        } else if (line.kind == RegisterLine::Kind::Header) {
            if (!started) {
                headerColumn = line.headerColumn;
                started = true;
            }
        } else if (line.kind == RegisterLine::Kind::Cells) {
            std::optional<std::string> problem =
                line.cells ? dataLineProblem(*line.cells)
                           : "ячейки за пределами десяти столбцов реестра"_cp;
            if (!problem) {
                started = true;
                stop = storeRow(*line.cells, lineNumber, result);
            } else if (started) {
                result.skipped.push_back({lineNumber, std::move(*problem)});
            }
        }
        if (stop) {
            if (!stop->empty()) {
                result.messages.push_back(std::move(*stop));
            }
            break;
        }
    }
    // Otherwise a text with no register in it (a register cut at ";" as a CSV export gives it,
    // a note) would only leave an empty report behind.
    if (rows.empty() && result.messages.empty()) {
        result.messages.push_back("В тексте не найдено ни одной строки реестра"_cp);
    }
    if (rows.empty()) {
        result.refused = true;
    }
    return result;
}

} // namespace kestrelon
