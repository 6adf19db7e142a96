#include "reports/register/import_summary.h"

#include "store/cp1251.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

const std::string kHeader = "AGENT_CUSTNO\tCLIENT_CUSTNO\tCLIENT_CUSTNAME\tINVOICE\tINVOICE_DATE\t"
                            "INVOICE_DUE\tINVOICE_TAX\tINVOICE_SUMM\tSTATE\tSTATE_DATE";
const Period kMarch2013{2, 3};
const Period kFebruary2013{1, 3};

// A data line of invoice i dated `date`; an empty VAT cell makes it a skipped line.
std::string line(int i, const std::string& date, const std::string& vat = "18") {
    const std::string digits = std::to_string(i);
    return "A0000001\tC0000001\tName\tI" + std::string(12 - digits.size(), '0') + digits + "\t" +
           date + "\t100\t" + vat + "\t118\tpaid\t" + date;
}

std::string summary(const std::vector<std::string>& lines, const Period& proposed) {
    std::string text = kHeader;
    for (const std::string& l : lines) {
        text += "\n" + l;
    }
    return cp1251ToUtf8(importSummary(parseRegister(text, "12345678"), proposed));
}

TEST(ImportSummary, SaysTheCountTheRegistersMonthAndTheRowsOfAnotherMonth) {
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        Period proposed;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"the month proposed",
         {line(1, "15.03.2013"), line(2, "31.03.2013")},
         kMarch2013,
         "Загружено строк реестра: 2."},
        {"another month than proposed",
         {line(1, "15.03.2013"), line(2, "01.03.2013")},
         kFebruary2013,
         "Загружено строк реестра: 2 — реестр за Март 2013; предлагался Февраль 2013."},
        // Taken, as the register gives them, but each is named with its line and date.
        {"rows of other months",
         {line(1, "15.03.2013"), line(2, "28.02.2013"), line(3, "02.03.2013"),
          line(4, "01.03.2014")},
         kMarch2013,
         "Загружено строк реестра: 4.\n"
         "Строки не за Март 2013 (взяты в отчет): 2:\n"
         "строка 3: 28.02.2013\n"
         "строка 5: 01.03.2014"},
        {"a first date that names no month",
         {line(1, "2013-03-15"), line(2, "15.03.2013")},
         kMarch2013,
         "Загружено строк реестра: 2."},
        {"nothing read", {}, kMarch2013, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(summary(c.lines, c.proposed), c.expected);
    }
}

// Taken as the register has it, but never silently: a writer that left a placeholder for a
// formula gives every row the same wrong sum with VAT.
TEST(ImportSummary, RowsWhoseSumWithVatIsNotNetPlusVatAreListedWithTheirAmounts) {
    std::string bad = line(2, "15.03.2013");
    bad.replace(bad.find("\t118\t"), 5, "\t0\t");
    EXPECT_EQ(summary({line(1, "15.03.2013"), bad}, kMarch2013),
              "Загружено строк реестра: 2.\nСумма с НДС не равна сумме без НДС и НДС (взяты как "
              "в реестре, проверьте их): 1:\nстрока 3: без НДС 100, НДС 18, с НДС 0");
}

// A Russian spreadsheet's CSV of formatted cells writes "1 000,00", with a space, a no-break
// space or a narrow no-break space (which windows-1251 lacks: "?" once converted).
TEST(ParseRegister, AmountsWithDigitGroupsAreRead) {
    for (const std::string separator : {" ", "\xA0", "?"}) {
        SCOPED_TRACE(separator);
        std::string l = line(1, "15.03.2013");
        l.replace(l.find("\t100\t18\t118\t"), 13,
                  "\t1" + separator + "000,00\t180\t1" + separator + "180,00\t");
        const SlkImportResult read = parseRegister(kHeader + "\n" + l, "12345678");
        ASSERT_EQ(read.rows.count(), 1u) << cp1251ToUtf8(importSummary(read, kMarch2013));
        EXPECT_EQ(read.rows.rows[0].AmountKop, 100000u);
        EXPECT_EQ(read.rows.rows[0].GrossKop, 118000u);
        EXPECT_EQ(read.rows.rows[0].AmountText.str(), "1000,00");
        EXPECT_TRUE(read.mismatched.empty());
    }
    std::string l = line(1, "15.03.2013");
    l.replace(l.find("\t100\t"), 5, "\t1 000 ,\t");
    EXPECT_EQ(parseRegister(kHeader + "\n" + l, "12345678").rows.count(), 0u)
        << "a blank not between two digits is no digit group";
}

TEST(ImportSummary, ListsTheFirstTwentySkippedLinesAndCountsTheRest) {
    std::vector<std::string> lines = {line(1, "15.03.2013"), line(2, "15.03.2013")};
    for (int i = 0; i < 22; ++i) {
        lines.push_back(line(100 + i, "15.03.2013", ""));
    }
    std::string expected = "Загружено строк реестра: 2.\nПропущено строк: 22:";
    for (int n = 4; n < 24; ++n) {
        expected += "\nстрока " + std::to_string(n) + ": нет суммы НДС";
    }
    EXPECT_EQ(summary(lines, kMarch2013), expected + "\n… и еще 2");
}

} // namespace
} // namespace kestrelon
