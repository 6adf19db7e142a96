#include "firm_text_card.h"

#include "store/cp1251.h"

#include <algorithm>
#include <cctype>

namespace kestrelon {
namespace {

constexpr std::size_t kPrintedLineLimit = 255;

bool endsWithTxt(const std::string& name) {
    static const std::string suffix = ".txt";
    if (name.size() < suffix.size()) {
        return false;
    }
    return std::equal(
        suffix.begin(), suffix.end(), name.end() - suffix.size(),
        [](char want, char got) { return want == std::tolower(static_cast<unsigned char>(got)); });
}

} // namespace

std::vector<std::string> firmTextCardLines(const FirmCardFields& card, const ShownBank& bank) {
    return {
        "Название организации\t"_cp + card.Name,
        "Свидетельство о регистрации\tСерия "_cp + card.CertSeries + " № "_cp + card.CertNumber +
            " от "_cp + card.CertDate + " г., выдано "_cp + card.CertIssuedBy,
        "ОГРН \t"_cp + card.Ogrn,
        "Юридический адрес\t"_cp + card.LegalAddress,
        "Почтовый адрес\t"_cp + card.PostalAddress,
        "Телефон\t"_cp + card.Phone,
        "Факс\t"_cp + card.Fax,
        "E-Mail \t" + card.Email,
        "Банк\tР/Сч. "_cp + bank.SettlementAccount + " " + bank.BankFullName + " К/Сч. "_cp +
            bank.CorrAccount + " БИК "_cp + bank.Bik,
        "ИНН\t"_cp + card.Inn,
        "КПП\t"_cp + card.Kpp,
        "ОКАТО\t"_cp + card.Okato,
        "ОКПО\t"_cp + card.Okpo,
        "ОКОГУ\t"_cp + card.Okogu,
        "ОКОПФ\t"_cp + card.Okopf,
        "ОКФС\t"_cp + card.Okfs,
        "ОКВЭД\t"_cp + card.Okved,
    };
}

std::string textCardFileName(const std::string& chosen) {
    // The save dialog's filter is ".txt"; a name already ending in it is taken as it is, so
    // "card.txt" is not turned into "card.txt.txt".
    return endsWithTxt(chosen) ? chosen : chosen + ".txt";
}

std::string textCardFileBytes(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

std::vector<std::string> textCardPrintLines(const std::vector<std::string>& lines) {
    std::vector<std::string> printed(4);
    for (const std::string& line : lines) {
        const std::string indented = "      " + line.substr(0, kPrintedLineLimit);
        printed.push_back(indented.substr(0, kPrintedLineLimit));
    }
    return printed;
}

} // namespace kestrelon
