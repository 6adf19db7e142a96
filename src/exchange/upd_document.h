#pragma once
// The universal transfer document (УПД) of the tax service's format 5.03, seller's information,
// with the function ДОП: a document on services rendered without a VAT invoice. Only what the
// agent's act of services says is held; every text is UTF-8 and is written as it stands, an
// empty text meaning an attribute left out.

#include "person_name.h"

#include <optional>
#include <string>

namespace kestrelon {

struct UpdBank {
    std::string account;     // НомерСчета
    std::string bankName;    // СвБанк/@НаимБанк
    std::string bik;         // СвБанк/@БИК
    std::string corrAccount; // СвБанк/@КорСчет
};

// A seller or buyer: an organization (СвЮЛУч) or, for a 12-digit INN, an individual
// entrepreneur (СвИП).
struct UpdParty {
    std::string organizationName;           // СвЮЛУч/@НаимОрг
    std::optional<PersonName> entrepreneur; // СвИП/ФИО, instead of the organization
    std::string inn;
    std::string kpp; // organizations only, may be empty
    std::optional<UpdBank> bank;
};

// The one line of the table: the agent's remuneration.
struct UpdLine {
    std::string name;     // НаимТов
    std::string okei;     // ОКЕИ_Тов, the unit's code
    std::string unitName; // НаимЕдИзм
    std::string quantity; // КолТов
    std::string price;    // ЦенаТов
    std::string net;      // СтТовБезНДС
    std::string vatRate;  // НалСт
    std::string gross;    // СтТовУчНал
    std::string kind;     // ДопСведТов/@ПрТовРаб: 3 = a service
};

struct UpdBasis {
    std::string name, number, date; // РеквНаимДок, РеквНомерДок, РеквДатаДок
};

// СвПродПер: the services handed over, when, and on what basis.
struct UpdTransfer {
    std::string content;     // СвПер/@СодОпер
    std::string date;        // СвПер/@ДатаПер, a single day
    std::string periodStart; // СвПер/@ДатаНачПер
    std::string periodEnd;   // СвПер/@ДатаОконПер
    UpdBasis basis;
};

struct UpdSigner {
    std::string position; // Должн
    PersonName name;
    // СпосПодтПолном: 1 = by the signature itself; 3 and 5 need a power of attorney, which
    // the document does not carry.
    std::string authorityMethod;
};

struct UpdDocument {
    std::string fileId;         // Файл/@ИдФайл, the file's name without ".xml"
    std::string programVersion; // Файл/@ВерсПрог
    std::string function;       // ДОП
    std::string factName;       // ПоФактХЖ
    std::string documentName;   // НаимДокОпр
    std::string infoDate;       // ДатаИнфПр, ДД.ММ.ГГГГ
    std::string infoTime;       // ВремИнфПр, ЧЧ.ММ.СС
    std::string composer;       // НаимЭконСубСост
    std::string number, date;   // СвСчФакт/@НомерДок, @ДатаДок
    UpdParty seller, buyer;
    std::string currencyCode, currencyName;
    UpdLine line;
    std::string totalNet, totalGross; // ВсегоОпл
    std::optional<UpdTransfer> transfer;
    UpdSigner signer;
};

} // namespace kestrelon
