#pragma once
// A report's documents as the УПД tests start from: a month of real-looking requisites whose
// control digits check out, and the settings the data folder would give.

#include "exchange/upd_from_report.h"

#include <string>
#include <vector>

namespace kestrelon::test {

// March 2013: agent ООО "Агент", principal ПАО "Связь", act № 13 of 31.03.2013,
// remuneration 1501.50, contract № А-17 of 1.02.2012, director Иванов И.И.
DocumentInput sampleUpdInput();

// The lines one below the other, for a failure's message.
std::string joined(const std::vector<std::string>& lines);

// Participant ids, the director's full name, the catalogue's contract, a fixed moment and GUID.
UpdSettings sampleUpdSettings();

} // namespace kestrelon::test
