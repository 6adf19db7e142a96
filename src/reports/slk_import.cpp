#include "slk_import.h"

#include "register_cells.h"
#include "register_row.h"
#include "store/cp1251.h"

#include <algorithm>
#include <array>
#include <optional>

namespace kestrelon {
namespace {

// A reading step's outcome: nullopt goes on; a text ends the reading, with that message
// unless it is empty.
using Stop = std::optional<std::string>;

// A one-cell line is a note to skip unless it has the title's four words; a title for our
// contract is passed, any other title ends the reading.
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
        return "Номер агентского договора не совпадает с загруженными данными"_cp;
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

} // namespace

SlkImportResult parseRegister(std::string_view text, std::string_view agentContractNo) {
    SlkImportResult result;
    std::vector<InvoiceRow>& rows = result.rows.rows;
    // Until the header is seen, a header line is consumed; afterwards it is checked as data
    // and fails. A register without a header starts its rows at the first valid data line.
    bool headerSeen = false;
    std::size_t pos = 0;
    for (std::size_t lineNumber = 1; pos < text.size(); ++lineNumber) {
        const auto cells = splitCells(nextLine(text, pos), '\t');
        if (!cells) {
            continue;
        }
        Stop stop;
        if (cells->size() == 1) {
            stop = readTitle(cells->front(), agentContractNo);
        } else if (cells->size() != kRegisterColumnCount) {
            continue;
        } else if (!headerSeen && isRegisterHeader(*cells)) {
            headerSeen = true;
        } else if (isRegisterDataLine(*cells)) {
            headerSeen = true;
            if (rows.size() == RowSet::kCapacity) {
                stop = "Число строк больше "_cp + std::to_string(RowSet::kCapacity);
            } else if (RegisterRow read = registerRow(*cells, lineNumber); read.ok()) {
                rows.push_back(read.row);
            } else {
                stop = std::move(read.error);
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
    return result;
}

} // namespace kestrelon
