#pragma once
// What the exchange files can hold: the УПД is XML in windows-1251, the bank file is lines of
// "Key=Value" in windows-1251. Neither takes a control character or the byte 0x98, which
// windows-1251 leaves undefined; the bank file takes no TAB either. Checked at the source, so
// that the refusal names the field and the organization before anything is written.

#include "documents/input/document_input.h"

#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

enum class ExchangeFormat { Upd, BankFile };

// The first character of a cp1251 text the format cannot hold, described (UTF-8), e.g.
// "знак с кодом 0x98 (в windows-1251 не определен)"; empty when every one fits.
std::string unwritableCharacter(std::string_view cp1251, ExchangeFormat format);

// One problem (UTF-8) per field of the organization that holds such a character:
// `label` + ": в поле «Название» " + the description + `where`.
void checkFirmCharacters(const DocumentFirm& firm, const std::string& label,
                         const std::string& where, ExchangeFormat format,
                         std::vector<std::string>& problems);

} // namespace kestrelon
