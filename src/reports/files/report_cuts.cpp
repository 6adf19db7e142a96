#include "report_cuts.h"

#include "report_record.h"
#include "store/agent_record.h"
#include "store/client_record.h"
#include "store/cp1251.h"

namespace kestrelon {
namespace {

// A manual row's invoice number is the zone digit, the year's and the month's two digits, then
// the contract number: it keeps exactly as much of the number as the row's contract field.
constexpr std::size_t kManualInvoicePrefix = 5;
static_assert(decltype(ReportRow::InvoiceNo)::capacity ==
              kManualInvoicePrefix + decltype(ReportRow::ClientContractNo)::capacity);

template <typename Catalogue, std::size_t N, typename Report, std::size_t M>
ReportCut cut(ReportCopy copy, ShortStr<N> Catalogue::*, ShortStr<M> Report::*,
              std::vector<ReportDocument> documents) {
    static_assert(M < N, "only a shorter report field can cut a value");
    return {copy, N, M, std::move(documents)};
}

std::string documentName(ReportDocument document) {
    switch (document) {
    case ReportDocument::Invoice:
        return "«Счет»"_cp;
    case ReportDocument::Act:
        return "«Акт»"_cp;
    case ReportDocument::OffsetAct:
        return "«Акт Зачета»"_cp;
    }
    return {};
}

// "документ «Счет»", "документы «Счет», «Акт» и «Акт Зачета»".
std::string documentList(const std::vector<ReportDocument>& documents) {
    std::string list = documents.size() == 1 ? "документ "_cp : "документы "_cp;
    for (std::size_t i = 0; i < documents.size(); ++i) {
        if (i > 0) {
            list += i + 1 == documents.size() ? " и "_cp : ", ";
        }
        list += documentName(documents[i]);
    }
    return list;
}

std::string characters(std::size_t count) {
    const std::size_t last = count % 10;
    const bool teens = count % 100 >= 11 && count % 100 <= 14;
    if (last == 1 && !teens) {
        return "знак"_cp;
    }
    return last >= 2 && last <= 4 && !teens ? "знака"_cp : "знаков"_cp;
}

// What the documents show cut, where that is not simply the value itself.
std::string whatIsCut(ReportCopy copy) {
    switch (copy) {
    case ReportCopy::BankFullName:
        return "обрезанное название, если у счета нет сокращенного"_cp;
    case ReportCopy::ClientContractNo:
        return "обрезанными номера счетов по этому договору"_cp;
    default:
        return "обрезанное значение"_cp;
    }
}

} // namespace

const std::vector<ReportCut>& reportCuts() {
    using enum ReportDocument;
    static const std::vector<ReportCut> cuts = {
        // The invoice prints the seller's phone, both parties' addresses and the seller's bank:
        // its short name, or the full one when there is no short name.
        cut(ReportCopy::FirmPhone, &FirmRecord::Phone, &FirmBlock::Phone, {Invoice}),
        cut(ReportCopy::FirmLegalAddress, &FirmRecord::LegalAddress, &FirmBlock::LegalAddress,
            {Invoice}),
        cut(ReportCopy::BankShortName, &BankAccount::BankShortName, &FirmBlock::BankShortName,
            {Invoice}),
        cut(ReportCopy::BankFullName, &BankAccount::BankFullName, &FirmBlock::BankFullName,
            {Invoice}),
        // Every document names the agent contract.
        cut(ReportCopy::AgentContractNo, &AgentRecord::ContractNo, &ReportRecord::AgentContractNo,
            {Invoice, Act, OffsetAct}),
        // The offset act lists the invoice numbers of the rows.
        cut(ReportCopy::ClientContractNo, &ClientRecord::ContractNo, &ReportRow::ClientContractNo,
            {OffsetAct}),
    };
    return cuts;
}

const ReportCut& reportCut(ReportCopy copy) {
    for (const ReportCut& c : reportCuts()) {
        if (c.copy == copy) {
            return c;
        }
    }
    return reportCuts().front(); // every ReportCopy has its row
}

std::string reportCutNote(ReportCopy copy, std::string_view value) {
    const ReportCut& c = reportCut(copy);
    if (value.size() <= c.reportLength) {
        return {};
    }
    const bool several = c.documents.size() > 1;
    return "Отчет хранит только "_cp + std::to_string(c.reportLength) + " " +
           characters(c.reportLength) + ", введено "_cp + std::to_string(value.size()) +
           ": в сохраненном отчете "_cp + documentList(c.documents) +
           (several ? " покажут "_cp : " покажет "_cp) + whatIsCut(copy) + ".";
}

} // namespace kestrelon
