#pragma once
// Catalogue values that a stored report keeps in a shorter field than the catalogue does. What
// is stored keeps its size; the cards only say when a value is longer than the report holds,
// and which of the three documents would then show it cut.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

// A catalogue field whose value a report copies into a shorter field.
enum class ReportCopy {
    FirmPhone,        // organization "Телефон"
    FirmLegalAddress, // organization "Юридический адрес "
    BankShortName,    // bank account "Сокр. название"
    BankFullName,     // bank account "Полн. название"
    AgentContractNo,  // agent contract "№ Договора "
    ClientContractNo, // client contract "№ Договора " (also the tail of its manual invoice number)
};

// The documents as the report window's tabs name them.
enum class ReportDocument { Invoice, Act, OffsetAct };

struct ReportCut {
    ReportCopy copy;
    std::size_t catalogueLength; // characters the catalogue stores
    std::size_t reportLength;    // characters a stored report keeps
    std::vector<ReportDocument> documents;
};

// Every catalogue field that a report keeps shorter.
const std::vector<ReportCut>& reportCuts();
const ReportCut& reportCut(ReportCopy copy);

// Empty while `value` (cp1251) fits the report; otherwise the note the card shows under the
// field, naming the documents that would show the value cut.
std::string reportCutNote(ReportCopy copy, std::string_view value);

} // namespace kestrelon
