#include "text_fit.h"

#include <cstdio>
#include <utility>

namespace kestrelon {

std::string unwritableCharacter(std::string_view cp1251, ExchangeFormat format) {
    for (const char c : cp1251) {
        const auto byte = static_cast<unsigned char>(c);
        const bool tab = byte == '\t';
        if (byte == 0x98 || byte == 0x7F ||
            (byte < 0x20 && !(tab && format == ExchangeFormat::Upd))) {
            char code[8];
            std::snprintf(code, sizeof code, "0x%02X", byte);
            if (byte == 0x98) {
                return std::string("знак с кодом ") + code + " (в windows-1251 не определен)";
            }
            if (tab) {
                return "знак табуляции (файл для банка его не допускает)";
            }
            return std::string("управляющий знак с кодом ") + code;
        }
    }
    return {};
}

void checkFirmCharacters(const DocumentFirm& firm, const std::string& label,
                         const std::string& where, ExchangeFormat format,
                         std::vector<std::string>& problems) {
    const std::pair<const char*, const std::string*> fields[] = {
        {"Название", &firm.name},     {"Адрес", &firm.address}, {"Телефон", &firm.phone},
        {"ИНН", &firm.inn},           {"КПП", &firm.kpp},       {"Р/Сч.", &firm.settlementAccount},
        {"К/Сч.", &firm.corrAccount}, {"БИК", &firm.bik},       {"Название банка", &firm.bankName},
    };
    for (const auto& [field, text] : fields) {
        if (const std::string what = unwritableCharacter(*text, format); !what.empty()) {
            problems.push_back(label + ": в поле «" + field + "» " + what + " — исправьте его" +
                               where);
        }
    }
}

} // namespace kestrelon
