#include "documents/words/long_date.h"
#include "store/cp1251.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

struct Case {
    const char* date;
    const char* expected; // UTF-8
};

TEST(FormatLongDate, WritesTheMonthNameAndTheFullYear) {
    const Case cases[] = {
        {"15.03.2011", "15 марта 2011 г."},   {"15.03.11", "15 марта 2011 г."},
        {"05.01.2010", "05 января 2010 г."},  {"5.1.10", "5 января 2010 г."},
        {"31.12.2099", "31 декабря 2099 г."}, {"15.03.2099", "15 марта 2099 г."},
        {"1.02.2013", "1 февраля 2013 г."},   {"12..05..2012", "12 мая 2012 г."},
        {"30.11.1911", "30 ноября 2011 г."}, // a four-character year counts by its last two
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cp1251ToUtf8(FormatLongDate(c.date)), c.expected) << c.date;
    }
}

TEST(FormatLongDate, GivesTheEmptyTextForAnythingElse) {
    for (const char* date : {
             "15032011",
             "15.03",
             "15.03.2011.1",
             "",
             "...",
             "15.13.2011",
             "15.00.2011",
             "15.0x.2011",
             "15.-3.2011",
             "15.+3.2011",
             "15.03.2009",
             "15.03.09",
             "15.03.2100",
             "15.03.100",
             "15.03.5",
             "15.03.20x1",
             "15.03.99999999999",
         }) {
        EXPECT_EQ(FormatLongDate(date), "") << date;
    }
}

} // namespace
} // namespace kestrelon
