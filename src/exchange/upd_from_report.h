#pragma once
// The act of services of a report as a УПД (ДОП): the agent invoices the principal for its
// remuneration, without VAT, for the report's month, on the basis of the agent contract, signed
// by the agent's director. Everything a document needs that the report or the catalogues lack,
// or that an operator would refuse, is named, all at once.

#include "documents/input/document_input.h"
#include "person_name.h"
#include "upd_document.h"
#include "upd_file_name.h"

#include <optional>
#include <string>
#include <vector>

namespace kestrelon {

// What the document takes from outside the report (cp1251 where the program keeps it).
struct UpdSettings {
    std::string senderId;    // the agent's EDO participant id
    std::string recipientId; // the principal's
    // The director's full name; when absent, the director's text itself if it is one.
    std::optional<PersonName> signer;
    // The agent contract of the catalogue: the report keeps its number only.
    std::string contractNo, contractDate;
    CalendarDay today;
    int hour = 0, minute = 0, second = 0;
    std::string guid;
    std::string programVersion; // Файл/@ВерсПрог, e.g. "Kestrelon 0.1.0"
};

struct UpdBuild {
    UpdDocument document;
    std::vector<std::string> problems; // UTF-8, in the order a user fixes them
};

UpdBuild buildUpd(const DocumentInput& input, const UpdSettings& settings);

// "07.03.2011" for a real day of 1900..2099 written as the windows write dates ("7.3.2011"),
// empty for anything else (the schema's ДатаТип).
std::string schemaDate(std::string_view cp1251Date);

} // namespace kestrelon
