#include "requisites_check.h"

#include "store/cp1251.h"

#include <array>
#include <initializer_list>

namespace kestrelon {
namespace {

constexpr std::size_t kBikDigits = 9;
constexpr std::size_t kAccountDigits = 20;

// Blanks around a value: spaces, tabs and the no-break space (0xA0) of a copied web page.
std::string_view trimmedValue(std::string_view value) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\xA0'; };
    while (!value.empty() && blank(value.front())) {
        value.remove_prefix(1);
    }
    while (!value.empty() && blank(value.back())) {
        value.remove_suffix(1);
    }
    return value;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int digitAt(std::string_view digits, std::size_t i) {
    return digits[i] - '0';
}

bool allDigits(std::string_view value) {
    for (const char c : value) {
        if (!isDigit(c)) {
            return false;
        }
    }
    return true;
}

// The control digit of an INN: the leading digits times `weights`, mod 11, mod 10.
int innControl(std::string_view digits, std::initializer_list<int> weights) {
    int sum = 0;
    std::size_t i = 0;
    for (const int weight : weights) {
        sum += digitAt(digits, i++) * weight;
    }
    return sum % 11 % 10;
}

bool innChecks(std::string_view inn) {
    if (inn.size() == 10) {
        return innControl(inn, {2, 4, 10, 3, 5, 9, 4, 6, 8}) == digitAt(inn, 9);
    }
    return innControl(inn, {7, 2, 4, 10, 3, 5, 9, 4, 6, 8}) == digitAt(inn, 10) &&
           innControl(inn, {3, 7, 2, 4, 10, 3, 5, 9, 4, 6, 8}) == digitAt(inn, 11);
}

// OGRN: the first 12 digits as a number mod 11, mod 10; OGRNIP: the first 14 mod 13, mod 10.
// The number is longer than 64 bits can be trusted with, so its remainder is taken digit by digit.
bool ogrnChecks(std::string_view ogrn) {
    const int divisor = ogrn.size() == 15 ? 13 : 11;
    int remainder = 0;
    for (std::size_t i = 0; i + 1 < ogrn.size(); ++i) {
        remainder = (remainder * 10 + digitAt(ogrn, i)) % divisor;
    }
    return remainder % 10 == digitAt(ogrn, ogrn.size() - 1);
}

bool isCapitalLatin(char c) {
    return c >= 'A' && c <= 'Z';
}

// NNNNXXNNN: digits, except the 5th and 6th, which may also be capital Latin letters.
bool kppPatternFits(std::string_view kpp) {
    for (std::size_t i = 0; i < kpp.size(); ++i) {
        const bool letterAllowed = i == 4 || i == 5;
        if (!isDigit(kpp[i]) && !(letterAllowed && isCapitalLatin(kpp[i]))) {
            return false;
        }
    }
    return true;
}

// The Bank of Russia key: the BIK's three digits and the 20 of the account times 7, 1, 3
// repeated; the last digits of the products add up to a multiple of ten.
bool accountKeyChecks(std::string_view bikPart, std::string_view account) {
    static constexpr std::array<int, 3> kWeights = {7, 1, 3};
    const std::string digits = std::string(bikPart) + std::string(account);
    int sum = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        sum += digitAt(digits, i) * kWeights[i % 3] % 10;
    }
    return sum % 10 == 0;
}

std::string line(const std::string& field, std::string_view value, const std::string& what) {
    return field + ' ' + std::string(value) + ": " + what;
}

// What is wrong with the form of a number that must be `a` or `b` digits long ("" when it
// has one of them); `lengths` says them in words.
std::string digitsProblem(std::string_view value, std::size_t a, std::size_t b,
                          const char* lengths) {
    if (!allDigits(value)) {
        return "должны быть только цифры"_cp;
    }
    if (value.size() != a && value.size() != b) {
        return "должно быть "_cp + utf8ToCp1251(lengths);
    }
    return {};
}

// The BIK's three digits that an account's key is counted with, or "" when the BIK is not
// nine digits and the key cannot be checked.
std::string keyPrefix(std::string_view bik, bool corr) {
    const std::string_view digits = trimmedValue(bik);
    if (digits.size() != kBikDigits || !allDigits(digits)) {
        return {};
    }
    return corr ? '0' + std::string(digits.substr(4, 2)) : std::string(digits.substr(6, 3));
}

std::string accountProblem(std::string_view typed, std::string_view bik, bool corr) {
    const std::string_view account = trimmedValue(typed);
    if (account.empty()) {
        return {};
    }
    const std::string field = corr ? "К/Сч."_cp : "Р/Сч."_cp;
    std::string what = digitsProblem(account, kAccountDigits, kAccountDigits, "20 цифр");
    if (what.empty() && corr && account.substr(0, 3) != "301") {
        what = "должен начинаться с 301"_cp;
    }
    const std::string prefix = keyPrefix(bik, corr);
    if (what.empty() && !prefix.empty() && !accountKeyChecks(prefix, account)) {
        what = "контрольный ключ не сходится с БИК "_cp + std::string(trimmedValue(bik));
    }
    return what.empty() ? std::string() : line(field, account, what);
}

} // namespace

std::string innProblem(std::string_view typed) {
    const std::string_view inn = trimmedValue(typed);
    if (inn.empty()) {
        return {};
    }
    std::string what = digitsProblem(inn, 10, 12, "10 или 12 цифр");
    if (what.empty() && !innChecks(inn)) {
        what = "контрольная цифра не сходится"_cp;
    }
    return what.empty() ? std::string() : line("ИНН"_cp, inn, what);
}

std::string kppProblem(std::string_view typed) {
    const std::string_view kpp = trimmedValue(typed);
    if (kpp.empty()) {
        return {};
    }
    if (kpp.size() != 9) {
        return line("КПП"_cp, kpp, "должно быть 9 знаков"_cp);
    }
    if (!kppPatternFits(kpp)) {
        return line("КПП"_cp, kpp,
                    "5-й и 6-й знаки — цифры или заглавные латинские буквы, остальные — цифры"_cp);
    }
    return {};
}

std::string ogrnProblem(std::string_view typed) {
    const std::string_view ogrn = trimmedValue(typed);
    if (ogrn.empty()) {
        return {};
    }
    const std::string field = ogrn.size() == 15 ? "ОГРНИП"_cp : "ОГРН"_cp;
    std::string what = digitsProblem(ogrn, 13, 15, "13 цифр (ОГРН) или 15 (ОГРНИП)");
    if (what.empty() && !ogrnChecks(ogrn)) {
        what = "контрольная цифра не сходится"_cp;
    }
    return what.empty() ? std::string() : line(field, ogrn, what);
}

std::string bikProblem(std::string_view typed) {
    const std::string_view bik = trimmedValue(typed);
    if (bik.empty()) {
        return {};
    }
    const std::string what = digitsProblem(bik, kBikDigits, kBikDigits, "9 цифр");
    return what.empty() ? std::string() : line("БИК"_cp, bik, what);
}

std::string corrAccountProblem(std::string_view account, std::string_view bik) {
    return accountProblem(account, bik, true);
}

std::string settlementAccountProblem(std::string_view account, std::string_view bik) {
    return accountProblem(account, bik, false);
}

std::vector<std::string> bankAccountProblems(std::size_t index, const BankAccount& bank) {
    std::string name(trimmedValue(bank.BankShortName.view()));
    if (name.empty()) {
        name = trimmedValue(bank.BankFullName.view());
    }
    std::string which = "Банк "_cp + std::to_string(index + 1);
    if (!name.empty()) {
        which += " (" + name + ')';
    }
    std::vector<std::string> problems;
    for (const std::string& problem :
         {settlementAccountProblem(bank.SettlementAccount.view(), bank.Bik.view()),
          corrAccountProblem(bank.CorrAccount.view(), bank.Bik.view()),
          bikProblem(bank.Bik.view())}) {
        if (!problem.empty()) {
            problems.push_back(which + ", " + problem);
        }
    }
    return problems;
}

std::vector<std::string> bankAccountsProblems(const FirmRecord& firm) {
    std::vector<std::string> problems;
    for (std::size_t i = 0; i < firm.Banks.size(); ++i) {
        for (std::string& problem : bankAccountProblems(i, firm.Banks[i])) {
            problems.push_back(std::move(problem));
        }
    }
    return problems;
}

std::vector<std::string> requisitesProblems(const FirmRecord& firm) {
    std::vector<std::string> problems;
    const auto add = [&problems](std::string problem) {
        if (!problem.empty()) {
            problems.push_back(std::move(problem));
        }
    };
    add(ogrnProblem(firm.Ogrn.view()));
    for (std::string& problem : bankAccountsProblems(firm)) {
        add(std::move(problem));
    }
    add(innProblem(firm.Inn.view()));
    add(kppProblem(firm.Kpp.view()));
    return problems;
}

std::string keepAsIsQuestion(const std::vector<std::string>& problems) {
    std::string text;
    for (const std::string& problem : problems) {
        text += problem + '\n';
    }
    return text + '\n' + "Сохранить как есть?"_cp;
}

} // namespace kestrelon
