// The month's payment order as the bank exchange file: byte for byte, field by field, the
// purpose at every VAT rate and within the bank's 210 characters, and no file for an order a
// bank would bounce.

#include "exchange/payment_file.h"
#include "exchange/payment_number.h"
#include "exchange/payment_purpose.h"
#include "schema_validation.h"
#include "store/cp1251.h"
#include "support/bank_exchange_reader.h"
#include "support/temp_folder.h"
#include "upd_samples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>

namespace kestrelon {
namespace {

// March 2026: 1501.50 of remuneration offset, 1831.83 due to the principal, 330.33 of VAT.
DocumentInput paymentInput() {
    DocumentInput in = test::sampleUpdInput();
    in.principal->settlementAccount = "40702810900000000026";
    in.principal->corrAccount = "30101810800000000746";
    in.principal->bik = "049805746";
    in.principal->bankName = "ПАО СБЕРБАНК г. Москва"_cp;
    in.toPrincipal = "1831.83";
    in.vatTotal = "330.33";
    in.period = Period{2, 16};
    in.offsetActNo = "5";
    in.offsetActDate = "31.3.2026";
    return in;
}

BankExchangeHeader fixedHeader() {
    return BankExchangeHeader{"Kestrelon 0.1.0", CalendarDay{2026, 4, 2}, 9, 5, 7};
}

using test::joined;

TEST(PaymentFile, OneReportGivesTheGoldenFileAndReadsBackFieldByField) {
    const PaymentFile file = preparePaymentFile(paymentInput(), "12", "2.04.2026", fixedHeader());
    ASSERT_TRUE(file.ok()) << joined(file.problems);
    const std::string golden = test::exchangeDataPath("payment_march_2026.txt");
    if (std::getenv("KESTRELON_WRITE_GOLDEN") != nullptr) {
        std::ofstream(golden, std::ios::binary) << file.bytes;
    }
    std::ifstream in(golden, std::ios::binary);
    std::stringstream expected;
    expected << in.rdbuf();
    EXPECT_EQ(file.bytes, expected.str());

    const auto content = readBankExchange(file.bytes);
    ASSERT_TRUE(content);
    const auto utf8 = [](const std::map<std::string, std::string>& fields) {
        std::map<std::string, std::string> out;
        for (const auto& [key, value] : fields) {
            out[cp1251ToUtf8(key)] = cp1251ToUtf8(value);
        }
        return out;
    };
    const std::map<std::string, std::string> header = {
        {"ВерсияФормата", "1.03"},
        {"Кодировка", "Windows"},
        {"Отправитель", "Kestrelon 0.1.0"},
        {"Получатель", ""},
        {"ДатаСоздания", "02.04.2026"},
        {"ВремяСоздания", "09:05:07"},
        {"ДатаНачала", "02.04.2026"},
        {"ДатаКонца", "02.04.2026"},
        {"РасчСчет", "40602810700000000025"},
        {"Документ", "Платежное поручение"},
    };
    EXPECT_EQ(utf8(content->header), header);
    ASSERT_EQ(content->documents.size(), 1u);
    const std::map<std::string, std::string> document = {
        {"СекцияДокумент", "Платежное поручение"},
        {"Номер", "12"},
        {"Дата", "02.04.2026"},
        {"Сумма", "1831.83"},
        {"ПлательщикСчет", "40602810700000000025"},
        {"Плательщик", "ИНН 7701234560 ООО \"Агент\""},
        {"ПлательщикИНН", "7701234560"},
        {"ПлательщикКПП", "770101001"},
        {"Плательщик1", "ООО \"Агент\""},
        {"ПлательщикРасчСчет", "40602810700000000025"},
        {"ПлательщикБанк1", "Сбербанк"},
        {"ПлательщикБанк2", ""},
        {"ПлательщикБИК", "049805746"},
        {"ПлательщикКорсчет", "30101810800000000746"},
        {"ПолучательСчет", "40702810900000000026"},
        {"Получатель", "ИНН 7712345671 ПАО \"Связь\""},
        {"ПолучательИНН", "7712345671"},
        {"ПолучательКПП", "771201001"},
        {"Получатель1", "ПАО \"Связь\""},
        {"ПолучательРасчСчет", "40702810900000000026"},
        {"ПолучательБанк1", "ПАО СБЕРБАНК"},
        {"ПолучательБанк2", "г. Москва"},
        {"ПолучательБИК", "049805746"},
        {"ПолучательКорсчет", "30101810800000000746"},
        {"ВидОплаты", "01"},
        {"Очередность", "5"},
        {"НазначениеПлатежа", "Оплата по агентскому договору № А-17 за Март 2026 г. по акту "
                              "зачета № 5 от 31.03.2026. В т.ч. НДС 22 % - 330.33 руб."},
    };
    EXPECT_EQ(utf8(content->documents[0]), document);

    EXPECT_FALSE(readBankExchange(file.bytes.substr(0, file.bytes.size() - 12)))
        << "a file without its end is not taken";
}

// The payment order's section read against the format's list of fields (1CClientBankExchange
// 1.03): every field a bank requires is there and not empty, each within its kind and length,
// and no line holds a character that would break a reader of "Key=Value" lines.
TEST(PaymentFile, EveryFieldABankRequiresIsThereWithinItsLength) {
    DocumentInput in = paymentInput();
    in.agent->bankName = "Сбербанк г. Москва"_cp;
    const PaymentFile file = preparePaymentFile(in, "12", "2.04.2026", fixedHeader());
    ASSERT_TRUE(file.ok()) << joined(file.problems);
    EXPECT_TRUE(file.notes.empty()) << joined(file.notes);
    const auto content = readBankExchange(file.bytes);
    ASSERT_TRUE(content);
    const std::map<std::string, std::string>& d = content->documents.at(0);
    const auto digits = [](std::size_t min, std::size_t max) {
        return [min, max](const std::string& v) {
            return v.size() >= min && v.size() <= max &&
                   std::all_of(v.begin(), v.end(), [](char c) { return c >= '0' && c <= '9'; });
        };
    };
    const auto text = [](std::size_t max) {
        return [max](const std::string& v) { return !v.empty() && v.size() <= max; }; // cp1251
    };
    const auto date = [](const std::string& v) {
        return v.size() == 10 && v[2] == '.' && v[5] == '.';
    };
    const auto amount = [](const std::string& v) {
        const std::size_t point = v.find('.');
        return point != std::string::npos && point > 0 && v.size() - point == 3;
    };
    const std::vector<std::pair<const char*, std::function<bool(const std::string&)>>> fields = {
        {"Номер", digits(1, 6)},
        {"Дата", date},
        {"Сумма", amount},
        {"ПлательщикСчет", digits(20, 20)},
        {"Плательщик", text(160)},
        {"ПлательщикИНН", digits(10, 12)},
        {"ПлательщикКПП", digits(9, 9)},
        {"Плательщик1", text(160)},
        {"ПлательщикРасчСчет", digits(20, 20)},
        {"ПлательщикБанк1", text(160)},
        {"ПлательщикБанк2", text(160)},
        {"ПлательщикБИК", digits(9, 9)},
        {"ПлательщикКорсчет", digits(20, 20)},
        {"ПолучательСчет", digits(20, 20)},
        {"Получатель", text(160)},
        {"ПолучательИНН", digits(10, 12)},
        {"ПолучательКПП", digits(9, 9)},
        {"Получатель1", text(160)},
        {"ПолучательРасчСчет", digits(20, 20)},
        {"ПолучательБанк1", text(160)},
        {"ПолучательБанк2", text(160)},
        {"ПолучательБИК", digits(9, 9)},
        {"ПолучательКорсчет", digits(20, 20)},
        {"ВидОплаты", digits(2, 2)},
        {"Очередность", digits(1, 1)},
        {"НазначениеПлатежа", text(210)},
    };
    for (const auto& [key, fits] : fields) {
        const auto found = d.find(utf8ToCp1251(key));
        ASSERT_NE(found, d.end()) << key;
        EXPECT_TRUE(fits(found->second)) << key << " = " << cp1251ToUtf8(found->second);
    }
    for (const char c : file.bytes) {
        const auto byte = static_cast<unsigned char>(c);
        EXPECT_TRUE(byte >= 0x20 || c == '\r' || c == '\n') << static_cast<int>(byte);
        EXPECT_NE(byte, 0x98);
    }
}

TEST(PaymentPurpose, NamesTheVatAtTheRateOfThePeriodOrItsAbsence) {
    const struct {
        Period period;
        const char* vat;
        const char* clause;
    } cases[] = {
        {Period{2, 3}, "274.58", "В т.ч. НДС 18 % - 274.58 руб."},
        {Period{0, 9}, "300.00", "В т.ч. НДС 20 % - 300.00 руб."},
        {Period{0, 16}, "330.33", "В т.ч. НДС 22 % - 330.33 руб."},
        {Period{0, 16}, "0.00", "Без налога (НДС)"},
        {Period{0, 16}, "", "Без налога (НДС)"},
    };
    for (const auto& c : cases) {
        const std::string purpose = cp1251ToUtf8(
            paymentPurpose(PurposeParts{"А-17"_cp, c.period, "5", "31.01.2026", c.vat}));
        EXPECT_TRUE(purpose.ends_with(std::string(". ") + c.clause)) << purpose;
    }
}

TEST(PaymentPurpose, KeepsWithinTheBanksLimitWithoutCuttingAWordSilently) {
    // The longest the report and the catalogue hold: a contract of 12 characters, an act number
    // of 10, the longest month, the largest VAT.
    const PurposeParts longest{std::string(12, '9'), Period{8, 89}, std::string(10, '9'),
                               "30.09.2099", "9999999.99"};
    const std::string full = paymentPurpose(longest);
    EXPECT_LE(full.size(), kMaxPurposeLength);
    EXPECT_NE(full.find("агентскому договору № 999999999999 за Сентябрь 2099 г. по акту "
                        "зачета № 9999999999 от 30.09.2099. В т.ч. НДС 22 % - 9999999.99 руб."_cp),
              std::string::npos)
        << cp1251ToUtf8(full);

    // Longer than any record holds: shortened by the stated rule, the VAT clause whole.
    PurposeParts tooLong = longest;
    tooLong.contractNo =
        std::string(60, 'A') + " " + std::string(60, 'B') + " " + std::string(60, 'C');
    const std::string shortened = paymentPurpose(tooLong);
    EXPECT_LE(shortened.size(), kMaxPurposeLength);
    EXPECT_EQ(shortened.rfind("Оплата по договору № "_cp, 0), 0u) << cp1251ToUtf8(shortened);
    EXPECT_NE(shortened.find(std::string(60, 'B') + "... В т.ч. НДС 22 % - 9999999.99 руб."_cp),
              std::string::npos)
        << cp1251ToUtf8(shortened);
}

TEST(PaymentFile, CarriesEveryAmountAReportCanHold) {
    for (const char* amount : {"0.01", "0,5", "1", "9999999.99"}) {
        DocumentInput in = paymentInput();
        in.toPrincipal = amount;
        const PaymentFile file = preparePaymentFile(in, "1", "02.04.2026", fixedHeader());
        ASSERT_TRUE(file.ok()) << amount << "\n" << joined(file.problems);
        const auto content = readBankExchange(file.bytes);
        ASSERT_TRUE(content);
        const std::string sum = content->documents[0].at("Сумма"_cp);
        EXPECT_EQ(sum, std::string(amount) == "0,5" ? "0.50"
                       : std::string(amount) == "1" ? "1.00"
                                                    : amount);
    }
}

struct Bounce {
    const char* what;
    std::function<void(DocumentInput&, std::string& number, std::string& date)> change;
    std::vector<const char*> expected; // pieces of the message, UTF-8
};

TEST(PaymentFile, AnOrderABankWouldBounceIsNotWrittenAndEveryReasonIsNamed) {
    const std::vector<Bounce> bounces = {
        {"the principal's bank account not chosen",
         [](DocumentInput& in, std::string&, std::string&) {
             in.principal->settlementAccount.clear();
             in.principal->bik.clear();
         },
         {"Реквизиты получателя (организация принципала) «ПАО \"Связь\"»: не указан "
          "расчетный счет",
          "не указан БИК банка"}},
        {"the made-up principal INN",
         [](DocumentInput& in, std::string&, std::string&) { in.principal->inn = "7712345670"; },
         {"ИНН 7712345670: контрольная цифра не сходится"}},
        {"a payer account whose key does not check",
         [](DocumentInput& in, std::string&, std::string&) {
             in.agent->settlementAccount = "40602810700000000026";
         },
         {"Реквизиты плательщика (организация агента)", "40602810700000000026"}},
        {"no agent",
         [](DocumentInput& in, std::string&, std::string&) { in.agent.reset(); },
         {"Не выбрана организация плательщика"}},
        {"nothing due",
         [](DocumentInput& in, std::string&, std::string&) { in.toPrincipal = "0.00"; },
         {"Сумма к оплате принципалу равна нулю", "платить нечего"}},
        {"no amount in a stored report",
         [](DocumentInput& in, std::string&, std::string&) { in.toPrincipal.clear(); },
         {"Нет суммы к оплате принципалу (сохраненный отчет, сумма «Тарвелу»): отчет сохранен "
          "без нее"}},
        {"a negative balance",
         [](DocumentInput& in, std::string&, std::string&) { in.toPrincipal = "-66.00"; },
         {"Сумма к оплате принципалу «-66.00» меньше нуля"}},
        {"an amount past the money limit",
         [](DocumentInput& in, std::string&, std::string&) { in.toPrincipal = "99999999.00"; },
         {"Сумма к оплате принципалу «99999999.00» больше 21474836 руб."}},
        // A VAT total that does not read says nothing of the VAT: never «Без налога (НДС)».
        {"an empty VAT total",
         [](DocumentInput& in, std::string&, std::string&) { in.vatTotal.clear(); },
         {"Сумма НДС отчета «» не читается как сумма"}},
        {"a VAT total of letters",
         [](DocumentInput& in, std::string&, std::string&) { in.vatTotal = "abc"; },
         {"Сумма НДС отчета «abc» не читается как сумма"}},
        {"a negative VAT total",
         [](DocumentInput& in, std::string&, std::string&) { in.vatTotal = "-66.00"; },
         {"Сумма НДС отчета «-66.00» не читается как сумма"}},
        // Lines of "Key=Value": a TAB, a control character or 0x98 would break the bank's reader.
        {"a TAB in the payee's name",
         [](DocumentInput& in, std::string&, std::string&) { in.principal->name += "\tx"; },
         {"Реквизиты получателя (организация принципала)", "в поле «Название» знак табуляции"}},
        {"0x01 and 0x98 in the payer's bank",
         [](DocumentInput& in, std::string&, std::string&) {
             in.agent->bankName += "\x01";
             in.agent->address += "\x98";
         },
         {"в поле «Название банка» управляющий знак с кодом 0x01",
          "в поле «Адрес» знак с кодом 0x98"}},
        {"a number and a date a bank does not take",
         [](DocumentInput&, std::string& number, std::string& date) {
             number = "1234567";
             date = "30.02.2026";
         },
         {"Номер платежного поручения «1234567» должен состоять из 1–6 цифр",
          "Дата платежного поручения «30.02.2026»"}},
        {"no offset act",
         [](DocumentInput& in, std::string&, std::string&) {
             in.offsetActNo.clear();
             in.offsetActDate.clear();
         },
         {"Не указан номер акта зачета", "Дата акта зачета «»"}},
    };
    for (const Bounce& b : bounces) {
        DocumentInput in = paymentInput();
        std::string number = "12";
        std::string date = "02.04.2026";
        b.change(in, number, date);
        const PaymentFile file = preparePaymentFile(in, number, date, fixedHeader());
        EXPECT_FALSE(file.ok()) << b.what;
        EXPECT_TRUE(file.bytes.empty()) << b.what;
        for (const char* piece : b.expected) {
            EXPECT_NE(joined(file.problems).find(piece), std::string::npos)
                << b.what << ": " << piece << "\n"
                << joined(file.problems);
        }
    }
    EXPECT_EQ(paymentNumberProblem("000"), "не может быть нулем");
    EXPECT_EQ(paymentNumberProblem("12a"), "должен состоять из 1–6 цифр");
    EXPECT_EQ(paymentNumberProblem("999999"), "");
}

// Banks require the city of each bank ("…Банк2"): from the short name, else the full one;
// where neither has it, the file is still written and the user is told.
TEST(PaymentFile, TheBanksCityComesFromEitherNameOrIsSaidToBeMissing) {
    struct Case {
        const char* shortName;
        const char* fullName;
        const char* city;
        bool noted;
    };
    const std::vector<Case> cases = {
        {"ПАО СБЕРБАНК г. Москва", "", "г. Москва", false},
        {"ПАО СБЕРБАНК", "Публичное акционерное общество Сбербанк России, г. Москва", "г. Москва",
         false},
        {"ПАО СБЕРБАНК", "Публичное акционерное общество Сбербанк России", "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fullName);
        DocumentInput in = paymentInput();
        in.agent->bankName = "Сбербанк г. Москва"_cp;
        in.principal->bankName = utf8ToCp1251(c.shortName);
        in.principal->bankFullName = utf8ToCp1251(c.fullName);
        const PaymentFile file = preparePaymentFile(in, "12", "2.04.2026", fixedHeader());
        ASSERT_TRUE(file.ok()) << joined(file.problems);
        const auto content = readBankExchange(file.bytes);
        ASSERT_TRUE(content);
        EXPECT_EQ(cp1251ToUtf8(content->documents.at(0).at("ПолучательБанк2"_cp)), c.city);
        EXPECT_EQ(file.notes.size(), c.noted ? 1u : 0u) << joined(file.notes);
        if (c.noted) {
            EXPECT_NE(file.notes[0].find("Город банка получателя"), std::string::npos);
        }
    }
}

TEST(PaymentNumber, TheNextOneIsProposedAcrossRuns) {
    test::TempFolder folder;
    EXPECT_EQ(nextPaymentNumber(folder.path()), "1");
    rememberPaymentNumber(folder.path(), "41");
    EXPECT_EQ(folder.readFile("PaymentNo"), std::string("\x29\0\0\0", 4));
    EXPECT_EQ(nextPaymentNumber(folder.path()), "42");
    rememberPaymentNumber(folder.path(), "999999");
    EXPECT_EQ(nextPaymentNumber(folder.path()), "1");
    EXPECT_EQ(paymentFileName("42", Period{2, 3}), "Платежка 42 за Март 2013.txt");
}

} // namespace
} // namespace kestrelon
