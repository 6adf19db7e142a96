#include "catalogues/requisites_check.h"
#include "store/cp1251.h"

#include <functional>
#include <gtest/gtest.h>

namespace kestrelon {
namespace {

// Valid numbers worked out by hand:
//   INN 7712345671: 7*2+7*4+1*10+2*3+3*5+4*9+5*4+6*6+7*8 = 221; 221 mod 11 = 1.
//   INN 5000000000: 5*2 = 10; 10 mod 11 = 10, mod 10 = 0 (the remainder 10 gives 0).
//   INN 500100732259: 11th: 5*7+1*10+7*9+3*4+2*6+2*8 = 148, mod 11 = 5;
//                     12th: 5*3+1*4+7*5+3*9+2*4+2*6+5*8 = 141, mod 11 = 9.
//   INN 500100732241: its 12th fits its 11 digits (15+4+35+27+8+12+4*8 = 133, mod 11 = 1),
//                     but the 11th should be 5.
//   OGRN 1027700132195: 102770013219 mod 11 by the alternating sum of its digits from the right,
//                       9-1+2-3+1-0+0-7+7-2+0-1 = 5.
//   OGRN 1000000000000: 10^11 mod 11 = (-1)^11 = 10, mod 10 = 0.
//   OGRNIP 300000000000004: 10^6 mod 13 = 1, so 3*10^13 mod 13 = 3*10 mod 13 = 4
//                           (mod 11 it would be 8).
//   OGRNIP 300000000000060: 30000000000006 mod 13 = 4 + 6 = 10, mod 10 = 0.
//   Accounts: the Bank of Russia's own examples (rules of 08.09.1997 № 515).
TEST(RequisitesCheckTest, EachRuleNamesTheFieldItsValueAndWhatIsWrong) {
    using Rule = std::function<std::string(std::string_view)>;
    const Rule inn = innProblem;
    const Rule kpp = kppProblem;
    const Rule ogrn = ogrnProblem;
    const Rule bik = bikProblem;
    const std::string innDigit = ": контрольная цифра не сходится";
    const std::string onlyDigits = ": должны быть только цифры";
    const std::string kppPattern =
        ": 5-й и 6-й знаки — цифры или заглавные латинские буквы, остальные — цифры";
    struct Case {
        Rule rule;
        std::string value;   // cp1251
        std::string problem; // UTF-8, "" when the value checks out
    };
    const Case cases[] = {
        {inn, "7712345671", ""},
        {inn, "7712345670", "ИНН 7712345670" + innDigit},
        {inn, "5000000000", ""},
        {inn, "5000000001", "ИНН 5000000001" + innDigit},
        {inn, "500100732259", ""},
        {inn, "500100732258", "ИНН 500100732258" + innDigit},
        {inn, "500100732241", "ИНН 500100732241" + innDigit},
        {inn, "77123456711", "ИНН 77123456711: должно быть 10 или 12 цифр"},
        {inn, "771234567", "ИНН 771234567: должно быть 10 или 12 цифр"},
        {inn, "77123456O1", "ИНН 77123456O1" + onlyDigits},
        {inn, "7712 345671", "ИНН 7712 345671" + onlyDigits},
        {inn, " 7712345671\t", ""},
        {inn, " 7712345670 ", "ИНН 7712345670" + innDigit},
        {inn, "", ""},
        {inn, "  ", ""},
        {kpp, "773601001", ""},
        {kpp, "7736AB001", ""},
        {kpp, "77010100", "КПП 77010100: должно быть 9 знаков"},
        {kpp, "7701010010", "КПП 7701010010: должно быть 9 знаков"},
        {kpp, "7736ab001", "КПП 7736ab001" + kppPattern},
        {kpp, "7736АБ001"_cp, "КПП 7736АБ001" + kppPattern},
        {kpp, "77A601001", "КПП 77A601001" + kppPattern},
        {kpp, "", ""},
        {ogrn, "1027700132195", ""},
        {ogrn, "1027700132194", "ОГРН 1027700132194" + innDigit},
        {ogrn, "1000000000000", ""},
        {ogrn, "300000000000004", ""},
        {ogrn, "300000000000060", ""},
        {ogrn, "300000000000005", "ОГРНИП 300000000000005" + innDigit},
        {ogrn, "10277001321950", "ОГРН 10277001321950: должно быть 13 цифр (ОГРН) или 15 (ОГРНИП)"},
        {ogrn, "102770013219-5", "ОГРН 102770013219-5" + onlyDigits},
        {ogrn, "", ""},
        {bik, "049805746", ""},
        {bik, "04480500", "БИК 04480500: должно быть 9 цифр"},
        {bik, "04480500A", "БИК 04480500A" + onlyDigits},
        {bik, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(cp1251ToUtf8(c.value));
        EXPECT_EQ(cp1251ToUtf8(c.rule(c.value)), c.problem);
    }
}

TEST(RequisitesCheckTest, AccountsAreKeyedWithTheirPartOfTheBik) {
    const std::string corrAccount = "30101810800000000746";
    const std::string settlement = "40602810700000000025";
    struct Case {
        bool corr;
        std::string account;
        std::string bik;
        std::string problem; // UTF-8
    };
    const Case cases[] = {
        {true, corrAccount, "049805000", ""},
        {true, "30101810800000000747", "049805000",
         "К/Сч. 30101810800000000747: контрольный ключ не сходится с БИК 049805000"},
        // The correspondent account takes "0" and the 5th-6th digits, whatever the last three.
        {true, corrAccount, "049805746", ""},
        {true, "40101810800000000746", "049805000",
         "К/Сч. 40101810800000000746: должен начинаться с 301"},
        {true, "3010181080000000746", "049805000",
         "К/Сч. 3010181080000000746: должно быть 20 цифр"},
        {false, settlement, "049805746", ""},
        {false, "40602810700000000026", "049805746",
         "Р/Сч. 40602810700000000026: контрольный ключ не сходится с БИК 049805746"},
        {false, settlement, "049805000",
         "Р/Сч. 40602810700000000025: контрольный ключ не сходится с БИК 049805000"},
        {false, "4060281070000000002S", "049805746",
         "Р/Сч. 4060281070000000002S: должны быть только цифры"},
        {false, " 40602810700000000025 ", " 049805746 ", ""},
        // A BIK that is not nine digits has its own line; the key is left alone.
        {false, "40602810700000000026", "04980574", ""},
        {false, "40602810700000000026", "", ""},
        {false, "", "049805746", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.account + " / " + c.bik);
        const std::string problem = c.corr ? corrAccountProblem(c.account, c.bik)
                                           : settlementAccountProblem(c.account, c.bik);
        EXPECT_EQ(cp1251ToUtf8(problem), c.problem);
    }
}

BankAccount account(const char* settlement, const char* corr, const char* bik,
                    const char* shortName, const char* fullName) {
    BankAccount bank;
    bank.SettlementAccount = settlement;
    bank.CorrAccount = corr;
    bank.Bik = bik;
    bank.BankShortName = utf8ToCp1251(shortName);
    bank.BankFullName = utf8ToCp1251(fullName);
    return bank;
}

TEST(RequisitesCheckTest, AnOrganizationListsEveryProblemInCardOrder) {
    FirmRecord firm;
    firm.Inn = "7712345670";
    firm.Kpp = "77010100";
    firm.Ogrn = "1027700132194";
    firm.Banks[0] = account("40602810700000000025", "30101810800000000746", "049805746", "", "");
    firm.Banks[1] = account("40602810700000000026", "", "049805746", "Сбербанк", "ПАО Сбербанк");
    firm.Banks[3] =
        account("40602810700000000025", "30101810800000000746", "04480500", "", "Банк Москвы");
    const std::vector<std::string> expected = {
        "ОГРН 1027700132194: контрольная цифра не сходится",
        "Банк 2 (Сбербанк), Р/Сч. 40602810700000000026: контрольный ключ не сходится с БИК "
        "049805746",
        "Банк 4 (Банк Москвы), БИК 04480500: должно быть 9 цифр",
        "ИНН 7712345670: контрольная цифра не сходится",
        "КПП 77010100: должно быть 9 знаков",
    };
    std::vector<std::string> shown;
    for (const std::string& line : requisitesProblems(firm)) {
        shown.push_back(cp1251ToUtf8(line));
    }
    EXPECT_EQ(shown, expected);

    const std::vector<std::string> bankOnly(expected.begin() + 1, expected.begin() + 3);
    shown.clear();
    for (const std::string& line : bankAccountsProblems(firm)) {
        shown.push_back(cp1251ToUtf8(line));
    }
    EXPECT_EQ(shown, bankOnly);
}

TEST(RequisitesCheckTest, AValidOrEmptyOrganizationHasNothingToSay) {
    FirmRecord firm;
    EXPECT_TRUE(requisitesProblems(firm).empty());
    firm.Inn = "500100732259";
    firm.Kpp = "7736AB001";
    firm.Ogrn = "300000000000004";
    firm.Banks[2] =
        account("40602810700000000025", "30101810800000000746", "049805746", "Банк", "");
    EXPECT_TRUE(requisitesProblems(firm).empty());
}

TEST(RequisitesCheckTest, TheQuestionListsTheLinesThenAsksWhetherToStoreAsItIs) {
    const std::string question = keepAsIsQuestion(
        {"ИНН 1: должно быть 10 или 12 цифр"_cp, "КПП 2: должно быть 9 знаков"_cp});
    EXPECT_EQ(cp1251ToUtf8(question), "ИНН 1: должно быть 10 или 12 цифр\n"
                                      "КПП 2: должно быть 9 знаков\n"
                                      "\n"
                                      "Сохранить как есть?");
}

} // namespace
} // namespace kestrelon
