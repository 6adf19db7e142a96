#include "upd_from_report.h"

#include "catalogues/requisites_check.h"
#include "documents/words/legal_form.h"
#include "documents/words/numeric_date.h"
#include "edo_book.h"
#include "reports/values/money.h"
#include "store/cp1251.h"
#include "text_fit.h"

#include <chrono>
#include <cstdio>

namespace kestrelon {
namespace {

std::string utf8(std::string_view cp1251) {
    return cp1251ToUtf8(cp1251);
}

bool startsWith(std::string_view text, std::string_view head) {
    return text.substr(0, head.size()) == head;
}

// Where the user fixes an organization of each side.
struct Side {
    const char* who;   // "агента", "принципала"
    const char* where; // how to find the organization
};
constexpr Side kAgentSide{"агента", "карточка договора агента, список «Организация»"};
constexpr Side kPrincipalSide{"принципала",
                              "карточка договора агента, вкладка «Тарвел», список «Организация "
                              "принципала»"};

class Builder {
public:
    Builder(const DocumentInput& input, const UpdSettings& settings)
        : in_(input), settings_(settings) {}

    UpdBuild build() {
        UpdDocument& d = result_.document;
        d.programVersion = settings_.programVersion;
        d.function = "ДОП";
        d.factName = "Документ об отгрузке товаров (выполнении работ), передаче имущественных "
                     "прав (документ об оказании услуг)";
        d.documentName = d.factName;
        d.infoDate = dayText(settings_.today);
        d.infoTime = timeText(settings_.hour, settings_.minute, settings_.second, '.');
        d.seller = party(in_.agent, kAgentSide);
        d.buyer = party(in_.principal, kPrincipalSide);
        if (in_.agent) {
            d.composer = utf8(OOO(in_.agent->name)) + ", ИНН " + trimmedText(in_.agent->inn);
        }
        act();
        d.currencyCode = "643";
        d.currencyName = "Российский рубль";
        line();
        d.transfer = transfer();
        signer();
        ids();
        return std::move(result_);
    }

private:
    void problem(std::string text) { result_.problems.push_back(std::move(text)); }

    UpdParty party(const std::optional<DocumentFirm>& firm, const Side& side) {
        UpdParty p;
        if (!firm || (firm->name.empty() && firm->inn.empty())) {
            problem(std::string("Не выбрана организация ") + side.who + " (" + side.where + ")");
            return p;
        }
        const std::string name = utf8(firm->name);
        const std::string label = std::string("Организация ") + side.who + " «" + name + "»";
        const std::string card = " (карточка организации «" + name + "»)";
        checkFirmCharacters(*firm, label, card, ExchangeFormat::Upd, result_.problems);
        p.inn = trimmedText(firm->inn);
        if (p.inn.empty()) {
            problem(label + ": не указан ИНН" + card);
        } else if (const std::string wrong = innProblem(p.inn); !wrong.empty()) {
            problem(label + ": " + utf8(wrong) + card);
        } else if (startsWith(p.inn, "00")) {
            problem(label + ": ИНН " + p.inn + " не может начинаться с 00" + card);
        }
        if (p.inn.size() == 12) {
            p.entrepreneur = entrepreneurName(name);
            if (const std::string form = organizationFormIn(firm->name); !form.empty()) {
                p.entrepreneur.reset();
                problem(label + ": ИНН из 12 цифр — у индивидуального предпринимателя, а в " +
                        "названии форма организации «" + form +
                        "»; у организации ИНН из 10 цифр: проверьте ИНН или название" + card);
            } else if (!p.entrepreneur) {
                problem(label +
                        ": у индивидуального предпринимателя (ИНН из 12 цифр) название "
                        "должно содержать его фамилию и имя (и отчество, если оно есть), "
                        "например «Индивидуальный предприниматель Иванов Иван "
                        "Иванович»" +
                        card);
            }
        } else {
            p.organizationName = name;
            if (name.empty()) {
                problem(label + ": не указано название" + card);
            }
            p.kpp = trimmedText(firm->kpp);
            if (const std::string wrong = kppProblem(p.kpp); !wrong.empty()) {
                problem(label + ": " + utf8(wrong) + card);
            } else if (startsWith(p.kpp, "00")) {
                problem(label + ": КПП " + p.kpp + " не может начинаться с 00" + card);
            }
        }
        bank(p, *firm, label, card);
        return p;
    }

    void bank(UpdParty& p, const DocumentFirm& firm, const std::string& label,
              const std::string& card) {
        UpdBank b{trimmedText(firm.settlementAccount), utf8(firm.bankName), trimmedText(firm.bik),
                  trimmedText(firm.corrAccount)};
        if (b.account.empty()) {
            return;
        }
        for (const std::string& wrong :
             {bikProblem(b.bik), corrAccountProblem(b.corrAccount, b.bik),
              settlementAccountProblem(b.account, b.bik)}) {
            if (!wrong.empty()) {
                problem(label + ", текущий банковский счет: " + utf8(wrong) + card);
            }
        }
        p.bank = std::move(b);
    }

    // The legal form of an organization an entrepreneur's name cannot have (UTF-8), as its
    // name starts: "ООО" for «ООО "Ромашка"» or «Общество с ограниченной ответственностью …».
    static std::string organizationFormIn(const std::string& cp1251Name) {
        const std::string shortened = shortLegalForm(cp1251Name);
        const std::string first = surnameOf(shortened);
        for (const char* form : {"ООО", "ОАО", "ЗАО", "ПАО", "НАО", "АО", "АНО", "ТОО"}) {
            if (utf8(first) == form) {
                return form;
            }
        }
        return {};
    }

    static std::optional<PersonName> entrepreneurName(const std::string& name) {
        std::string rest = trimmedText(name);
        for (const char* form :
             {"Индивидуальный предприниматель ", "индивидуальный предприниматель ",
              "ИНДИВИДУАЛЬНЫЙ ПРЕДПРИНИМАТЕЛЬ ", "ИП "}) {
            if (startsWith(rest, form)) {
                rest = trimmedText(rest.substr(std::string_view(form).size()));
                break;
            }
        }
        // The words are UTF-8 here: at most 60 characters each, not bytes.
        auto full = fullNameFromText(utf8ToCp1251(rest));
        if (!full) {
            return std::nullopt;
        }
        return PersonName{utf8(full->surname), utf8(full->name), utf8(full->patronymic)};
    }

    void act() {
        UpdDocument& d = result_.document;
        d.number = utf8(trimmedText(in_.actNo));
        if (d.number.empty()) {
            problem("Не указан номер акта (окно отчета, группа «№», поле «Номер акта»)");
        }
        d.date = schemaDate(in_.actDate);
        if (d.date.empty()) {
            problem("Дата акта «" + utf8(in_.actDate) +
                    "» не является датой вида ДД.ММ.ГГГГ (окно отчета, группа «Дата», поле "
                    "«Дата акта»)");
        }
    }

    void line() {
        UpdDocument& d = result_.document;
        UpdLine& l = d.line;
        l.name = "Агентское вознаграждение по контракту " + utf8(trimmedText(in_.contractNo)) +
                 " (за " + utf8(monthName(in_.period.month)) + " " +
                 utf8(yearText(in_.period.year)) + " г.)";
        l.okei = "796";
        l.unitName = "шт";
        l.quantity = "1";
        l.vatRate = "без НДС";
        l.kind = "3";
        const KopecksOrError amount = parseAmount(in_.remuneration);
        if (!amount.ok() || amount.kopecks == 0) {
            problem("Не указано вознаграждение агента (окно отчета, поле «Вознагражд.»): "
                    "введите его и нажмите «Get», затем «Save»");
            return;
        }
        const std::string money = KopToRub(amount.kopecks);
        l.price = l.net = l.gross = money;
        d.totalNet = d.totalGross = money;
    }

    std::optional<UpdTransfer> transfer() {
        UpdTransfer t;
        t.content = "Услуги оказаны в полном объеме";
        const std::string monthYear =
            "." + utf8(periodMM(in_.period)) + "." + std::to_string(in_.period.calendarYear());
        t.periodStart = "01" + monthYear;
        t.periodEnd = utf8(periodLastDay(in_.period)) + monthYear;
        t.basis.name = "Агентский договор";
        t.basis.number = utf8(trimmedText(in_.contractNo));
        if (t.basis.number.empty()) {
            problem("Не указан номер договора агента (карточка договора агента, поле "
                    "«№ Договора»)");
        } else if (!startsWith(trimmedText(settings_.contractNo), trimmedText(in_.contractNo))) {
            problem("Договор агента отчета № " + t.basis.number +
                    " не тот, что в карточке договора агента (№ " + utf8(settings_.contractNo) +
                    "): дата договора берется из карточки");
        }
        t.basis.date = schemaDate(settings_.contractDate);
        if (t.basis.date.empty()) {
            problem("Дата договора агента «" + utf8(settings_.contractDate) +
                    "» не является датой вида ДД.ММ.ГГГГ (карточка договора агента, поле "
                    "«Дата»)");
        }
        return t;
    }

    void signer() {
        UpdSigner& s = result_.document.signer;
        s.position =
            result_.document.seller.entrepreneur ? "Индивидуальный предприниматель" : "Директор";
        s.authorityMethod = "1";
        const std::string director = trimmedText(in_.director);
        if (director.empty()) {
            problem("Не указан руководитель, который подписывает документ (карточка договора "
                    "агента, поле «Руководитель предприятия»)");
            return;
        }
        std::optional<PersonName> full = settings_.signer;
        if (!full) {
            full = fullNameFromText(director);
        }
        if (!full || full->surname.empty() || full->name.empty()) {
            problem("Не указаны полностью фамилия, имя и отчество руководителя «" + utf8(director) +
                    "», который подписывает документ");
            return;
        }
        s.name = PersonName{utf8(full->surname), utf8(full->name), utf8(full->patronymic)};
    }

    void ids() {
        const auto check = [&](const std::string& id, const Side& side) {
            if (id.empty()) {
                problem(std::string("Не указан идентификатор участника ЭДО организации ") +
                        side.who);
            } else if (const std::string wrong = participantIdProblem(id); !wrong.empty()) {
                problem(std::string("Идентификатор участника ЭДО организации ") + side.who + " «" +
                        utf8(id) + "» " + wrong);
            }
        };
        check(settings_.senderId, kAgentSide);
        check(settings_.recipientId, kPrincipalSide);
        result_.document.fileId =
            updFileId(settings_.recipientId, settings_.senderId, settings_.today, settings_.guid);
    }

    const DocumentInput& in_;
    const UpdSettings& settings_;
    UpdBuild result_;
};

} // namespace

UpdBuild buildUpd(const DocumentInput& input, const UpdSettings& settings) {
    return Builder(input, settings).build();
}

std::string schemaDate(std::string_view cp1251Date) {
    const std::string date = numericDate(trimmedText(cp1251Date));
    if (date.size() != 10) {
        return {};
    }
    const int day = std::stoi(date.substr(0, 2));
    const int month = std::stoi(date.substr(3, 2));
    const int year = std::stoi(date.substr(6, 4));
    const std::chrono::year_month_day ymd{std::chrono::year{year},
                                          std::chrono::month{static_cast<unsigned>(month)},
                                          std::chrono::day{static_cast<unsigned>(day)}};
    return ymd.ok() && year >= 1900 && year <= 2099 ? date : std::string();
}

} // namespace kestrelon
