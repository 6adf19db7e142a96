#include "inn_paste.h"

#include "store/cp1251.h"

namespace kestrelon {
namespace {

// Space, tab, the non-breaking space a spreadsheet puts between digit groups, and line ends.
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\xA0';
}

} // namespace

InnPaste pasteIntoInn(std::string_view pasted, std::size_t kept) {
    InnPaste result;
    for (const char c : pasted) {
        if (c >= '0' && c <= '9') {
            result.digits += c;
        } else if (!isBlank(c)) {
            return {{}, "ИНН состоит только из цифр: вставленный текст не подходит"_cp};
        }
    }
    if (kept + result.digits.size() > kInnDigits) {
        return {{},
                "ИНН не длиннее "_cp + std::to_string(kInnDigits) +
                    " цифр: вставленный номер не помещается"_cp};
    }
    return result;
}

} // namespace kestrelon
