#pragma once
// One report's values as the invoice and the act tests lay them out.

#include "documents/input/document_input.h"
#include "store/cp1251.h"

namespace kestrelon {

inline DocumentFirm sampleAgent() {
    DocumentFirm f;
    f.name = "Общество с ограниченной ответственностью \"Ромашка\""_cp;
    f.address = "123456, г. Москва, ул. Лесная, д. 5"_cp;
    f.phone = "495-123-45-67";
    f.inn = "5001000002";
    f.kpp = "500101001";
    f.settlementAccount = "40702810400000001234";
    f.corrAccount = "30101810400000000225";
    f.bik = "044525225";
    f.bankName = "ОАО Сбербанк России"_cp;
    return f;
}

inline DocumentFirm samplePrincipal() {
    DocumentFirm f;
    f.name = "Общество с ограниченной ответственностью \"Тарвел\""_cp;
    f.address = "Москва"_cp;
    f.inn = "7700000001";
    f.kpp = "770001001";
    return f;
}

inline DocumentInput sampleInput() {
    DocumentInput in;
    in.agent = sampleAgent();
    in.principal = samplePrincipal();
    in.invoiceNo = "8";
    in.invoiceDate = "15.03.2011";
    in.actNo = "9";
    in.actDate = "31.03.2011";
    in.remuneration = "1500.00";
    in.contractNo = "А-17"_cp;
    in.actContractReference = "А-17  (за Март 2011 г.)"_cp;
    in.period = Period{2, 1};
    in.director = "Иванов И. И."_cp;
    in.signingAccountant = "Петрова П. П."_cp;
    in.chiefSigns = true;
    return in;
}

} // namespace kestrelon
