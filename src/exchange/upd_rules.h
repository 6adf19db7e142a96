#pragma once
// The rules the tax service's schema states only in its Schematron blocks, which a schema
// validator skips, as they bear on a ДОП document of one service line. Each broken rule gives a
// Russian message (UTF-8) that says what to fill in and where.
//
// Rules of the schema for a VAT invoice (СЧФ, СЧФДОП) only, and those on elements this
// document never holds (addresses, special circumstances, excise, marking, customs, persons
// handing over, foreign participants, powers of attorney), cannot bear on it.

#include "upd_document.h"

#include <string>
#include <vector>

namespace kestrelon {

// `fileName`: the name the file is written under (rule 0400400007: ИдФайл is that name
// without ".xml").
std::vector<std::string> updRuleProblems(const UpdDocument& document, const std::string& fileName);

} // namespace kestrelon
