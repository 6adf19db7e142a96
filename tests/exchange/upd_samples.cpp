#include "upd_samples.h"

#include "store/cp1251.h"

namespace kestrelon::test {

DocumentInput sampleUpdInput() {
    DocumentInput in;
    in.stored = true;
    in.agent = DocumentFirm{"Общество с ограниченной ответственностью \"Агент\""_cp,
                            "г. Москва"_cp,
                            "",
                            "7701234560",
                            "770101001",
                            "40602810700000000025",
                            "30101810800000000746",
                            "049805746",
                            "Сбербанк"_cp,
                            ""};
    in.principal = DocumentFirm{"Публичное акционерное общество \"Связь\""_cp,
                                "г. Москва"_cp,
                                "",
                                "7712345671",
                                "771201001",
                                "",
                                "",
                                "",
                                "",
                                ""};
    in.invoiceNo = "12";
    in.invoiceDate = "31.03.2013";
    in.actNo = "13";
    in.actDate = "31.03.2013";
    in.offsetActNo = "5";
    in.offsetActDate = "31.03.2013";
    in.remuneration = "1501.50";
    in.contractNo = "А-17"_cp;
    in.actContractReference = in.contractNo;
    in.period = Period{2, 3};
    in.director = "Иванов И.И."_cp;
    return in;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

UpdSettings sampleUpdSettings() {
    UpdSettings s;
    s.senderId = "2BE-7701234560-770101001-000000000000001";
    s.recipientId = "2BM-7712345671-771201001-000000000000002";
    s.signer = PersonName{"Иванов"_cp, "Иван"_cp, "Иванович"_cp};
    s.contractNo = "А-17"_cp;
    s.contractDate = "1.02.2012";
    s.today = CalendarDay{2013, 4, 2};
    s.hour = 9;
    s.minute = 5;
    s.second = 7;
    s.guid = "8c107c03-38d3-4969-ac34-ff5a0047720c";
    s.programVersion = "Kestrelon 0.1.0";
    return s;
}

} // namespace kestrelon::test
