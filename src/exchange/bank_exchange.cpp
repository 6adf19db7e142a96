#include "bank_exchange.h"

#include "store/cp1251.h"

namespace kestrelon {
namespace {

class Lines {
public:
    void add(const std::string& key, const std::string& value) {
        bytes_ += key + "=" + value + "\r\n";
    }
    void add(const std::string& line) { bytes_ += line + "\r\n"; }
    std::string take() { return std::move(bytes_); }

private:
    std::string bytes_;
};

void addParty(Lines& lines, const std::string& role, const PaymentParty& p) {
    lines.add(role + "Счет"_cp, p.account);
    lines.add(role, "ИНН "_cp + p.inn + " " + p.name);
    lines.add(role + "ИНН"_cp, p.inn);
    lines.add(role + "КПП"_cp, p.kpp);
    lines.add(role + "1", p.name);
    lines.add(role + "РасчСчет"_cp, p.account);
    lines.add(role + "Банк1"_cp, p.bankName);
    lines.add(role + "Банк2"_cp, p.bankCity);
    lines.add(role + "БИК"_cp, p.bik);
    lines.add(role + "Корсчет"_cp, p.corrAccount);
}

} // namespace

std::string writeBankExchange(const BankExchangeHeader& header, const PaymentOrder& order) {
    const std::string paymentOrder = "Платежное поручение"_cp;
    Lines lines;
    lines.add("1CClientBankExchange");
    lines.add("ВерсияФормата"_cp, "1.03");
    lines.add("Кодировка"_cp, "Windows");
    lines.add("Отправитель"_cp, header.sender);
    lines.add("Получатель"_cp, "");
    lines.add("ДатаСоздания"_cp, dayText(header.created));
    lines.add("ВремяСоздания"_cp, timeText(header.hour, header.minute, header.second, ':'));
    lines.add("ДатаНачала"_cp, order.date);
    lines.add("ДатаКонца"_cp, order.date);
    lines.add("РасчСчет"_cp, order.payer.account);
    lines.add("Документ"_cp, paymentOrder);
    lines.add("СекцияДокумент"_cp, paymentOrder);
    lines.add("Номер"_cp, order.number);
    lines.add("Дата"_cp, order.date);
    lines.add("Сумма"_cp, order.amount);
    addParty(lines, "Плательщик"_cp, order.payer);
    addParty(lines, "Получатель"_cp, order.payee);
    lines.add("ВидОплаты"_cp, order.paymentKind);
    lines.add("Очередность"_cp, order.priority);
    lines.add("НазначениеПлатежа"_cp, order.purpose);
    lines.add("КонецДокумента"_cp);
    lines.add("КонецФайла"_cp);
    return lines.take();
}

} // namespace kestrelon
