#include "upd_xml.h"

namespace kestrelon {
namespace {

XmlElement element(std::string name) {
    return XmlElement{std::move(name), {}, {}, {}};
}

XmlElement personName(const PersonName& name) {
    XmlElement e = element("ФИО");
    e.attribute("Фамилия", name.surname).attribute("Имя", name.name);
    e.attribute("Отчество", name.patronymic);
    return e;
}

XmlElement party(const char* role, const UpdParty& p) {
    XmlElement e = element(role);
    XmlElement& id = e.child(element("ИдСв"));
    if (p.entrepreneur) {
        XmlElement& ip = id.child(element("СвИП"));
        ip.attribute("ИННФЛ", p.inn);
        ip.child(personName(*p.entrepreneur));
    } else {
        id.child(element("СвЮЛУч"))
            .attribute("НаимОрг", p.organizationName)
            .attribute("ИННЮЛ", p.inn)
            .attribute("КПП", p.kpp);
    }
    if (p.bank) {
        XmlElement& bank = e.child(element("БанкРекв"));
        bank.attribute("НомерСчета", p.bank->account);
        if (!p.bank->bankName.empty() || !p.bank->bik.empty() || !p.bank->corrAccount.empty()) {
            bank.child(element("СвБанк"))
                .attribute("НаимБанк", p.bank->bankName)
                .attribute("БИК", p.bank->bik)
                .attribute("КорСчет", p.bank->corrAccount);
        }
    }
    return e;
}

XmlElement withoutVat(const char* name) {
    XmlElement e = element(name);
    e.child(element("БезНДС")).text = "без НДС";
    return e;
}

XmlElement table(const UpdDocument& d) {
    XmlElement e = element("ТаблСчФакт");
    XmlElement& line = e.child(element("СведТов"));
    line.attribute("НомСтр", "1")
        .attribute("НаимТов", d.line.name)
        .attribute("ОКЕИ_Тов", d.line.okei)
        .attribute("НаимЕдИзм", d.line.unitName)
        .attribute("КолТов", d.line.quantity)
        .attribute("ЦенаТов", d.line.price)
        .attribute("СтТовБезНДС", d.line.net)
        .attribute("НалСт", d.line.vatRate)
        .attribute("СтТовУчНал", d.line.gross);
    line.child(element("ДопСведТов")).attribute("ПрТовРаб", d.line.kind);
    line.child(withoutVat("СумНал"));
    XmlElement& totals = e.child(element("ВсегоОпл"));
    totals.attribute("СтТовБезНДСВсего", d.totalNet).attribute("СтТовУчНалВсего", d.totalGross);
    totals.child(withoutVat("СумНалВсего"));
    return e;
}

XmlElement transfer(const UpdTransfer& t) {
    XmlElement e = element("СвПродПер");
    XmlElement& handed = e.child(element("СвПер"));
    handed.attribute("СодОпер", t.content)
        .attribute("ДатаПер", t.date)
        .attribute("ДатаНачПер", t.periodStart)
        .attribute("ДатаОконПер", t.periodEnd);
    handed.child(element("ОснПер"))
        .attribute("РеквНаимДок", t.basis.name)
        .attribute("РеквНомерДок", t.basis.number)
        .attribute("РеквДатаДок", t.basis.date);
    return e;
}

} // namespace

XmlElement updXml(const UpdDocument& d) {
    XmlElement file = element("Файл");
    file.attribute("ИдФайл", d.fileId)
        .attribute("ВерсФорм", kUpdFormatVersion)
        .attribute("ВерсПрог", d.programVersion);
    XmlElement& doc = file.child(element("Документ"));
    doc.attribute("КНД", kUpdKnd)
        .attribute("Функция", d.function)
        .attribute("ПоФактХЖ", d.factName)
        .attribute("НаимДокОпр", d.documentName)
        .attribute("ДатаИнфПр", d.infoDate)
        .attribute("ВремИнфПр", d.infoTime)
        .attribute("НаимЭконСубСост", d.composer);
    XmlElement& invoice = doc.child(element("СвСчФакт"));
    invoice.attribute("НомерДок", d.number).attribute("ДатаДок", d.date);
    invoice.child(party("СвПрод", d.seller));
    invoice.child(party("СвПокуп", d.buyer));
    invoice.child(element("ДенИзм"))
        .attribute("КодОКВ", d.currencyCode)
        .attribute("НаимОКВ", d.currencyName);
    doc.child(table(d));
    if (d.transfer) {
        doc.child(transfer(*d.transfer));
    }
    XmlElement& signer = doc.child(element("Подписант"));
    signer.attribute("Должн", d.signer.position)
        .attribute("СпосПодтПолном", d.signer.authorityMethod);
    signer.child(personName(d.signer.name));
    return file;
}

} // namespace kestrelon
