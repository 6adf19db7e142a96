#pragma once
// Requisites checked by their control digits. A bank refuses a payment, and an electronic
// document operator a document, whose INN, BIK or account does not check out; the windows warn
// with these lines before storing, and exports name them before writing anything.
//
// Every function takes cp1251 text and returns cp1251 lines. An empty field is not checked (the
// catalogues allow empty fields), and blanks around a value are ignored, as a number copied from
// a letter or a spreadsheet cell brings them; the stored text itself stays as typed.

#include "store/firm_record.h"

#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

// One rule each: "" when the value checks out or is empty, otherwise one line naming the
// field, its value and what is wrong, as «ИНН 7712345670: контрольная цифра не сходится».
std::string innProblem(std::string_view inn);
std::string kppProblem(std::string_view kpp);
// 13 digits: an OGRN; 15 digits: an OGRNIP (an individual entrepreneur's), named so.
std::string ogrnProblem(std::string_view ogrn);
std::string bikProblem(std::string_view bik);
// The accounts' keys are checked only against a BIK of 9 digits: a wrong BIK has its own line.
std::string corrAccountProblem(std::string_view account, std::string_view bik);
std::string settlementAccountProblem(std::string_view account, std::string_view bik);

// The lines of account `index` (0..3, "Банк 1".."Банк 4" in the bank window), in its window's
// field order, each starting with which account it is: «Банк 1 (Сбербанк), БИК ...».
std::vector<std::string> bankAccountProblems(std::size_t index, const BankAccount& bank);
// The lines of all four accounts, the first account first.
std::vector<std::string> bankAccountsProblems(const FirmRecord& firm);
// Every line of an organization in card order: OGRN, the accounts, INN, KPP.
std::vector<std::string> requisitesProblems(const FirmRecord& firm);

// The warning before storing: the lines, then whether to store the record as it is.
std::string keepAsIsQuestion(const std::vector<std::string>& problems);

} // namespace kestrelon
