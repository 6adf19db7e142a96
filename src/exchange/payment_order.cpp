#include "payment_order.h"

#include "catalogues/requisites_check.h"
#include "documents/words/legal_form.h"
#include "payment_purpose.h"
#include "person_name.h"
#include "reports/values/money.h"
#include "store/cp1251.h"
#include "text_fit.h"
#include "upd_from_report.h"

#include <algorithm>
#include <tuple>

namespace kestrelon {
namespace {

// A value stays on its line of the exchange file.
std::string oneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return trimmedText(text);
}

std::string utf8(std::string_view cp1251) {
    return cp1251ToUtf8(cp1251);
}

// "ПАО СБЕРБАНК г. Москва" → "ПАО СБЕРБАНК" and "г. Москва": the bank's city, where its name
// carries it, goes into the second bank line as payment orders print it.
std::pair<std::string, std::string> bankAndCity(const std::string& name) {
    for (const std::string& mark : {" г. "_cp, " Г. "_cp, " г."_cp, ",г."_cp}) {
        const std::size_t at = name.rfind(mark);
        if (at != std::string::npos && at > 0 && at + mark.size() < name.size()) {
            return {trimmedText(name.substr(0, at)), trimmedText(name.substr(at + 1))};
        }
    }
    return {name, {}};
}

class Builder {
public:
    explicit Builder(const DocumentInput& input) : in_(input) {}

    PaymentBuild build(const std::string& number, const std::string& date) {
        PaymentOrder& o = result_.order;
        o.number = trimmedText(number);
        if (const std::string wrong = paymentNumberProblem(o.number); !wrong.empty()) {
            problem("Номер платежного поручения «" + utf8(o.number) + "» " + wrong);
        }
        o.date = schemaDate(date);
        if (o.date.empty()) {
            problem("Дата платежного поручения «" + utf8(date) +
                    "» не является датой вида ДД.ММ.ГГГГ");
        }
        amount();
        o.payer = party(in_.agent, "плательщика (организация агента)",
                        "карточка договора агента, список «Организация»");
        o.payee = party(in_.principal, "получателя (организация принципала)",
                        "карточка договора агента, вкладка «Тарвел», список «Организация "
                        "принципала»");
        o.paymentKind = "01";
        o.priority = "5";
        purpose();
        return std::move(result_);
    }

private:
    void problem(std::string text) { result_.problems.push_back(std::move(text)); }

    // What is wrong with the amount due is said as it is: missing, nothing, below zero, past
    // what the program's money holds, or no amount at all.
    void amount() {
        const std::string text = trimmedText(in_.toPrincipal);
        const std::string where =
            in_.stored ? " (сохраненный отчет, сумма «Тарвелу»)" : " (окно отчета, поле «Тарвелу»)";
        const KopecksOrError due = parseAmount(text);
        if (text.empty()) {
            problem("Нет суммы к оплате принципалу" + where +
                    (in_.stored ? std::string(": отчет сохранен без нее")
                                : std::string(": нажмите «Get»")));
        } else if (text.front() == '-') {
            problem("Сумма к оплате принципалу «" + utf8(text) + "» меньше нуля" + where +
                    ": платить нечего, вознаграждение больше суммы с НДС");
        } else if (due.error == AmountError::TooLarge) {
            problem("Сумма к оплате принципалу «" + utf8(text) + "» больше " +
                    std::to_string(kMaxRubles) + " руб." + where);
        } else if (!due.ok()) {
            problem("Сумма к оплате принципалу «" + utf8(text) + "» не читается как сумма" + where);
        } else if (due.kopecks == 0) {
            problem("Сумма к оплате принципалу равна нулю" + where + ": платить нечего");
        } else {
            result_.order.amount = KopToRub(due.kopecks);
        }
    }

    PaymentParty party(const std::optional<DocumentFirm>& firm, const char* who,
                       const char* where) {
        PaymentParty p;
        if (!firm || (firm->name.empty() && firm->inn.empty())) {
            problem(std::string("Не выбрана организация ") + who + " (" + where + ")");
            return p;
        }
        p.name = oneLine(shortLegalForm(firm->name));
        const std::string named = std::string("Реквизиты ") + who + " «" + utf8(p.name) + "»";
        const std::string label = named + ": ";
        const std::string card = " (карточка организации)";
        checkFirmCharacters(*firm, named, card, ExchangeFormat::BankFile, result_.problems);
        if (p.name.empty()) {
            problem(label + "не указано название" + card);
        }
        p.inn = trimmedText(firm->inn);
        p.kpp = trimmedText(firm->kpp);
        p.account = trimmedText(firm->settlementAccount);
        std::tie(p.bankName, p.bankCity) = bankAndCity(oneLine(firm->bankName));
        // The bank's city is required by banks ("…Банк2"): the full name may hold it when the
        // short one does not.
        if (p.bankCity.empty()) {
            p.bankCity = bankAndCity(oneLine(firm->bankFullName)).second;
        }
        if (p.bankCity.empty() && !p.bankName.empty()) {
            result_.notes.push_back(
                "Город банка " + std::string(who) + " («" + utf8(p.bankName) +
                "») не найден ни в кратком, ни в полном названии банка: допишите «г. Город» в "
                "полное название банка в карточке организации или заполните город в программе "
                "банка");
        }
        p.bik = trimmedText(firm->bik);
        p.corrAccount = trimmedText(firm->corrAccount);
        const auto required = [&](const std::string& value, const char* missing) {
            if (value.empty()) {
                problem(label + missing + card);
            }
            return !value.empty();
        };
        if (required(p.inn, "не указан ИНН")) {
            add(label, innProblem(p.inn), card);
        }
        add(label, kppProblem(p.kpp), card);
        if (required(p.account, "не указан расчетный счет: выберите банковский счет с "
                                "заполненным «Р/Сч.»")) {
            add(label, settlementAccountProblem(p.account, p.bik), card);
        }
        if (required(p.bik, "не указан БИК банка")) {
            add(label, bikProblem(p.bik), card);
        }
        if (required(p.corrAccount, "не указан корреспондентский счет банка")) {
            add(label, corrAccountProblem(p.corrAccount, p.bik), card);
        }
        required(p.bankName, "не указано название банка");
        return p;
    }

    void add(const std::string& label, const std::string& cp1251Problem, const std::string& card) {
        if (!cp1251Problem.empty()) {
            problem(label + utf8(cp1251Problem) + card);
        }
    }

    void purpose() {
        PurposeParts parts;
        parts.contractNo = oneLine(in_.contractNo);
        parts.period = in_.period;
        parts.offsetActNo = oneLine(in_.offsetActNo);
        parts.offsetActDate = schemaDate(in_.offsetActDate);
        for (const auto& [field, text] : {std::pair{"номер договора агента", parts.contractNo},
                                          std::pair{"номер акта зачета", parts.offsetActNo}}) {
            if (const std::string what = unwritableCharacter(text, ExchangeFormat::BankFile);
                !what.empty()) {
                problem(std::string("Назначение платежа: ") + field + " содержит " + what);
            }
        }
        if (parts.contractNo.empty()) {
            problem("Не указан номер договора агента (карточка договора агента, поле "
                    "«№ Договора»)");
        }
        if (parts.offsetActNo.empty()) {
            problem("Не указан номер акта зачета (окно отчета, группа «№», поле «Номер акта "
                    "взаимозачета»)");
        }
        if (parts.offsetActDate.empty()) {
            problem("Дата акта зачета «" + utf8(in_.offsetActDate) +
                    "» не является датой вида ДД.ММ.ГГГГ (окно отчета, группа «Дата»)");
        }
        // «Без налога (НДС)» is said of a VAT of 0 only: a total that does not read as an amount
        // says nothing of the VAT the rows carry.
        const KopecksOrError vat = parseAmount(in_.vatTotal);
        if (!vat.ok()) {
            problem("Сумма НДС отчета «" + utf8(in_.vatTotal) +
                    "» не читается как сумма (окно отчета, поле «Ндс»; в сохраненном отчете — "
                    "его итог НДС): без нее в назначении платежа не сказать, сколько в нем НДС");
        }
        parts.vatAmount = vat.ok() ? KopToRub(vat.kopecks) : "0.00";
        result_.order.purpose = paymentPurpose(parts);
    }

    const DocumentInput& in_;
    PaymentBuild result_;
};

} // namespace

std::string paymentNumberProblem(std::string_view number) {
    if (number.empty() || number.size() > 6 ||
        !std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return "должен состоять из 1–6 цифр";
    }
    if (number.find_first_not_of('0') == std::string_view::npos) {
        return "не может быть нулем";
    }
    return {};
}

PaymentBuild buildPaymentOrder(const DocumentInput& input, const std::string& number,
                               const std::string& date) {
    return Builder(input).build(number, date);
}

} // namespace kestrelon
