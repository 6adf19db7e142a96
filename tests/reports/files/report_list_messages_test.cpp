#include "reports/files/report_list_messages.h"
#include "reports/values/period.h"
#include "store/cp1251.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

TEST(ReportListMessages, TheDeleteQuestionNamesTheActAndItsPeriod) {
    ReportListEntry entry;
    entry.OffsetActNo = "17";
    entry.MonthName = monthName(2);
    entry.YearText = yearText(3);
    EXPECT_EQ(cp1251ToUtf8(messages::deleteQuestion(entry)),
              "Акт зачета № 17. Отчетный период - Март 2013 г.");
}

} // namespace
} // namespace kestrelon
