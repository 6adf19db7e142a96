#include "documents/words/numeric_date.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

TEST(NumericDate, WritesDayAndMonthInTwoDigitsAndTheFullYear) {
    const struct {
        const char* date;
        const char* expected;
    } cases[] = {
        {"31.03.2011", "31.03.2011"},
        {"7.1.2013", "07.01.2013"},
        {"07.01.2013", "07.01.2013"},
        {"1.12.11", "01.12.2011"},
        {"1.12.5", "01.12.2005"},
        {"12..05..2012", "12.05.2012"},
        {"31.12.2099", "31.12.2099"},
        {"015.03.2011", "15.03.2011"},
        // Not dates: the document leaves them out.
        {"", ""},
        {"31032011", ""},
        {"31.03", ""},
        {"31.03.2011.1", ""},
        {"0.03.2011", ""},
        {"32.03.2011", ""},
        {"31.0.2011", ""},
        {"31.13.2011", ""},
        {"31.03.201", ""},
        {"31.03.20111", ""},
        {"3a.03.2011", ""},
        {"31.+3.2011", ""},
        {"31.03.-011", ""},
        {"31.03.99999999999", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(numericDate(c.date), c.expected) << c.date;
    }
}

} // namespace
} // namespace kestrelon
