#pragma once
// Shortening a legal form at the start of an organization's name: "Общество с ограниченной
// ответственностью ..." to "ООО ...", and for the principal's name the joint-stock forms too
// (cp1251 texts).

#include <string>

namespace kestrelon {

// A name of at least five words whose first four are the legal form (each word in one of
// its capitalised, lower-case or upper-case spellings) becomes "ООО" and the remaining words,
// one blank apart, cut to 255 characters. Any other name comes back unchanged, spacing and all.
std::string OOO(const std::string& name);

// OOO, and by the same rule «Публичное акционерное общество» → «ПАО», «Непубличное
// акционерное общество» → «НАО», «Акционерное общество» → «АО».
std::string shortLegalForm(const std::string& name);

} // namespace kestrelon
