#pragma once
// The month's payment order: the agent pays the principal the balance of the act of mutual
// offset (its clause 4), from the agent's current bank account to the principal's. Texts are
// cp1251, as the catalogues keep them and as the bank exchange file carries them.

#include "documents/input/document_input.h"
#include "upd_file_name.h"

#include <string>
#include <vector>

namespace kestrelon {

struct PaymentParty {
    std::string name; // Плательщик1 / Получатель1
    std::string inn, kpp;
    std::string account;            // РасчСчет
    std::string bankName, bankCity; // Банк1, Банк2
    std::string bik, corrAccount;
};

struct PaymentOrder {
    std::string number;
    std::string date;   // ДД.ММ.ГГГГ
    std::string amount; // rubles, ".", two kopeck digits
    PaymentParty payer, payee;
    std::string paymentKind; // ВидОплаты: 01, a payment order
    std::string priority;    // Очередность: 5, the ordinary payments
    std::string purpose; // НазначениеПлатежа, at most kMaxPurposeLength characters
};

struct PaymentBuild {
    PaymentOrder order;
    std::vector<std::string> problems; // UTF-8; nothing is to be written while there are any
    std::vector<std::string> notes;    // UTF-8; said with the file, which is still written
    bool ok() const { return problems.empty(); }
};

// The order for the report: `number` and `date` as the user gave them (cp1251).
PaymentBuild buildPaymentOrder(const DocumentInput& input, const std::string& number,
                               const std::string& date);

// "" when the number is one a bank takes: 1 to 6 digits, not zero; else what is wrong (UTF-8).
std::string paymentNumberProblem(std::string_view number);

} // namespace kestrelon
