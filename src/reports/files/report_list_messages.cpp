#include "report_list_messages.h"

#include "store/cp1251.h"

namespace kestrelon::messages {

std::string deleteQuestion(const ReportListEntry& entry) {
    return "Акт зачета № "_cp + entry.OffsetActNo.str() + ". Отчетный период - "_cp +
           entry.MonthName + " " + entry.YearText + " г."_cp;
}

std::string reportVanished(const std::string& fileName) {
    return "Отчет \""_cp + fileName + "\" не найден: файл удален или переименован."_cp;
}

std::string reportFileFailed(const std::string& fileName, const std::string& systemMessage) {
    return "Отчет \""_cp + fileName + "\": "_cp + systemMessage;
}

} // namespace kestrelon::messages
