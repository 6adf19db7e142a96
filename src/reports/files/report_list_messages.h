#pragma once
// The texts the report list shows about one stored report (cp1251).

#include "report_list.h"

#include <string>

namespace kestrelon::messages {

// The delete dialog's description of the entry:
// "Акт зачета № 7. Отчетный период - Март 2013 г.".
std::string deleteQuestion(const ReportListEntry& entry);

// The listed file is no longer in the data folder.
std::string reportVanished(const std::string& fileName);

// The listed file could not be read or renamed: the system's message, with the file named.
std::string reportFileFailed(const std::string& fileName, const std::string& systemMessage);

} // namespace kestrelon::messages
