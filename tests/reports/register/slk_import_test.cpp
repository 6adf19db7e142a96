#include "reports/register/slk_import.h"

#include "store/cp1251.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace kestrelon {
namespace {

const std::string kContract = "12345678";
const std::string kTitle = "Invoices register for 12345678";
const std::string kHeader = "AGENT_CUSTNO\tCLIENT_CUSTNO\tCLIENT_CUSTNAME\tINVOICE\tINVOICE_DATE\t"
                            "INVOICE_DUE\tINVOICE_TAX\tINVOICE_SUMM\tSTATE\tSTATE_DATE";

std::string invoiceNo(int i) {
    const std::string digits = std::to_string(i);
    return "I" + std::string(12 - digits.size(), '0') + digits;
}

std::string join(const std::vector<std::string>& parts, const std::string& separator) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        text += (i == 0 ? "" : separator) + parts[i];
    }
    return text;
}

// A data line of invoice i, with the given cells replaced.
std::string data(int i, const std::vector<std::pair<std::size_t, std::string>>& changes = {}) {
    std::vector<std::string> cells = {
        "A0000001", "C0000001", "ООО Ромашка"_cp, invoiceNo(i), "15.03.2013", "100",
        "18",       "118",      "Оплачен"_cp,     "20.03.2013"};
    for (const auto& [index, value] : changes) {
        cells[index] = value;
    }
    return join(cells, "\t");
}

std::string text(const std::vector<std::string>& lines) {
    return join(lines, "\n");
}

std::vector<std::string> invoices(const SlkImportResult& result) {
    std::vector<std::string> numbers;
    for (const auto& row : result.rows.rows) {
        numbers.push_back(row.InvoiceNo.str());
    }
    return numbers;
}

std::string replaceAll(std::string s, const std::string& from, const std::string& to) {
    for (auto pos = s.find(from); pos != std::string::npos; pos = s.find(from, pos + to.size())) {
        s.replace(pos, from.size(), to);
    }
    return s;
}

TEST(ParseRegister, StoresAFullRegisterWithAnyLineEndsAndTabRuns) {
    const std::string lf = text({kTitle, kHeader, data(1, {{5, "1234,56"}}),
                                 data(2, {{5, "1234.56"}, {6, "0000001.5"}, {7, "9999999.99"}})});
    for (const std::string& input :
         {lf, replaceAll(lf, "\n", "\r\n"), replaceAll(lf, "\t", "\t\t\t") + "\r\n"}) {
        const SlkImportResult r = parseRegister(input, kContract);
        EXPECT_FALSE(r.refused);
        EXPECT_TRUE(r.messages.empty());
        EXPECT_EQ(r.rowLines, (std::vector<std::size_t>{3, 4}));
        ASSERT_EQ(r.rows.count(), 2u);
        EXPECT_EQ(r.rows.GrossTotal + r.rows.IncomeTotal + r.rows.VatTotal, 0u);
        const InvoiceRow& first = r.rows.rows[0];
        EXPECT_EQ(first.AgentCustNo, "A0000001");
        EXPECT_EQ(first.ClientContractNo, "C0000001");
        EXPECT_EQ(first.InvoiceNo, invoiceNo(1));
        EXPECT_EQ(first.InvoiceDate, "15.03.2013");
        EXPECT_EQ(first.AmountKop, 123456u);
        EXPECT_EQ(first.AmountText, "1234,56");
        EXPECT_EQ(first.VatKop, 1800u);
        EXPECT_EQ(first.GrossKop, 11800u);
        const InvoiceRow& second = r.rows.rows[1];
        EXPECT_EQ(second.AmountKop, 123456u);
        EXPECT_EQ(second.AmountText, "1234.56");
        EXPECT_EQ(second.VatKop, 150u);
        EXPECT_EQ(second.VatText, "0000001.5") << "the text as imported, not reformatted";
        EXPECT_EQ(second.GrossKop, 999999999u);
    }
}

TEST(ParseRegister, TitleLinesCheckTheAgentContract) {
    // Both numbers are named, so that the user sees which of them is wrong.
    const std::string mismatch = "Номер агентского договора не совпадает с загруженными данными: "
                                 "в реестре — «12345678», в карточке агентского договора — "
                                 "«87654321»."_cp;
    struct Case {
        std::string contract, title;
        std::size_t rows;
        std::vector<std::string> messages;
        bool refused;
    };
    // A register of another contract is refused whole, with the rows above its title.
    const std::vector<Case> cases = {
        {kContract, kTitle, 2, {}, false},
        {"87654321", kTitle, 1, {mismatch}, true},
        {"", kTitle, 1, {"Введите номер агентского договора"_cp}, true},
        {kContract, "Invoices register of 12345678", 1, {}, false}, // ends silently
        {kContract, "invoices register for 12345678", 1, {}, false},
        {kContract, "Invoices register for", 2, {}, false}, // not a title: skipped
        {kContract, "Invoices register for 12345678 2013", 2, {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.contract + " / " + c.title);
        const SlkImportResult r = parseRegister(text({data(1), c.title, data(2)}), c.contract);
        EXPECT_EQ(r.refused, c.refused);
        EXPECT_EQ(r.rows.count(), c.rows);
        EXPECT_EQ(r.messages, c.messages);
    }
    const SlkImportResult other = parseRegister(text({kTitle, kHeader, data(1)}), "87654321");
    EXPECT_TRUE(other.rows.empty());
    EXPECT_EQ(other.messages, std::vector<std::string>{mismatch});
}

TEST(ParseRegister, EveryLineAfterTheHeaderIsARowOrASkippedLineWithItsReason) {
    std::string manyCells = "c";
    for (int i = 0; i < 64; ++i) {
        manyCells += "\tc";
    }
    const std::vector<std::pair<std::string, std::string>> lines = {
        // The cells the report does not take may be empty or anything.
        {data(9, {{2, ""}}), ""},
        {data(9, {{8, ""}, {9, ""}}), ""},
        {data(9, {{0, ""}}), ""},
        {data(9, {{0, "A000001"}}), ""},
        {data(9, {{1, ""}}), "нет номера договора клиента"},
        {data(9, {{1, "C00000001"}}), "в ячейке CLIENT_CUSTNO «C00000001» не 8 знаков"},
        {data(9, {{3, "I00000000009"}}), "в ячейке INVOICE «I00000000009» не 13 знаков"},
        {data(9, {{3, "I0000000000009"}}), "в ячейке INVOICE «I0000000000009» не 13 знаков"},
        {data(9, {{4, ""}}), "нет даты счета"},
        {data(9, {{5, ""}}), "нет суммы без НДС"},
        {data(9, {{6, ""}}), "нет суммы НДС"},
        {data(9, {{7, ""}}), "нет суммы с НДС"},
        {data(9, {{5, "1-05"}}), "в ячейке INVOICE_DUE «1-05» не сумма"},
        {data(9, {{6, "18 "}}), "в ячейке INVOICE_TAX «18 » не сумма"},
        {data(9, {{7, "-118"}}), "в ячейке INVOICE_SUMM «-118» не сумма"},
        {data(9) + "\textra", "ячейки за пределами десяти столбцов реестра"},
        {"Итого"_cp + "\t\t\t\t\t300\t54\t354", "нет номера договора клиента"},
        {manyCells, "ячейки за пределами десяти столбцов реестра"},
    };
    for (const auto& [line, reason] : lines) {
        SCOPED_TRACE(cp1251ToUtf8(line));
        const SlkImportResult r = parseRegister(
            text({"примечание"_cp, kHeader, data(1), "", line, kHeader, data(2)}), kContract);
        EXPECT_TRUE(r.messages.empty());
        if (reason.empty()) {
            EXPECT_EQ(invoices(r), (std::vector{invoiceNo(1), invoiceNo(9), invoiceNo(2)}));
            EXPECT_TRUE(r.skipped.empty());
        } else {
            EXPECT_EQ(invoices(r), (std::vector{invoiceNo(1), invoiceNo(2)}));
            ASSERT_EQ(r.skipped.size(), 1u);
            EXPECT_EQ(r.skipped[0].lineNumber, 5u);
            EXPECT_EQ(cp1251ToUtf8(r.skipped[0].reason), reason);
        }
    }
}

TEST(ParseRegister, CellsStayInTheirColumnsWhereverTheRegisterStarts) {
    // A paste keeps an empty cell as an empty field: an invoice whose state and client's name
    // are empty is a row, and a register that starts in the second column reads the same.
    const std::string unpaid = data(2, {{2, ""}, {8, ""}, {9, ""}});
    for (const std::string& indent : {std::string(), std::string("\t"), std::string("\t\t")}) {
        SCOPED_TRACE(indent.size());
        const SlkImportResult r =
            parseRegister(text({indent + kTitle, indent + kHeader, indent + data(1),
                                indent + unpaid, indent + data(3, {{5, ""}})}),
                          kContract);
        EXPECT_EQ(invoices(r), (std::vector{invoiceNo(1), invoiceNo(2)}));
        ASSERT_EQ(r.skipped.size(), 1u);
        EXPECT_EQ(cp1251ToUtf8(r.skipped[0].reason), "нет суммы без НДС");
        EXPECT_EQ(r.rows.rows[1].AmountKop, 10000u);
    }
}

TEST(ParseRegister, WithoutHeaderTheFirstValidLineStartsTheRows) {
    const SlkImportResult r = parseRegister(
        text({"note", data(9, {{3, "short"}}), data(1), kHeader, data(2)}), kContract);
    EXPECT_EQ(invoices(r), (std::vector{invoiceNo(1), invoiceNo(2)}));
}

TEST(ParseRegister, KeepsALongLineWhoseNameIsLong) {
    const std::string line = data(1, {{2, std::string(280, 'N')}});
    ASSERT_GT(line.size(), 300u);
    EXPECT_EQ(invoices(parseRegister(text({kHeader, line}), kContract)), std::vector{invoiceNo(1)});
}

TEST(ParseRegister, StopsAfter1024Rows) {
    std::vector<std::string> lines = {kTitle, kHeader};
    for (int i = 1; i <= 1024; ++i) {
        lines.push_back(data(i));
    }
    const SlkImportResult full = parseRegister(text(lines), kContract);
    EXPECT_EQ(full.rows.count(), 1024u);
    EXPECT_TRUE(full.messages.empty());

    lines.push_back(data(1025));
    const SlkImportResult over = parseRegister(text(lines), kContract);
    EXPECT_FALSE(over.refused) << "the rows read stay";
    ASSERT_EQ(over.rows.count(), 1024u);
    EXPECT_EQ(over.rows.rows.back().InvoiceNo, invoiceNo(1024));
    EXPECT_EQ(over.messages, std::vector{"Число строк больше 1024"_cp});
}

TEST(ParseRegister, StopsAtAnAmountThatGivesNoValue) {
    const std::string tail = "». Загрузка остановлена."_cp;
    const std::vector<std::tuple<std::size_t, std::string, std::string>> cases = {
        {6, "1.2.3", "Строка 4 реестра, столбец INVOICE_TAX: неверная сумма «1.2.3"_cp + tail},
        {5, "12,345", "Строка 4 реестра, столбец INVOICE_DUE: неверная сумма «12,345"_cp + tail},
        {7, ",5", "Строка 4 реестра, столбец INVOICE_SUMM: неверная сумма «,5"_cp + tail},
        {7, "21474837",
         "Строка 4 реестра, столбец INVOICE_SUMM: сумма «21474837» больше 21474836 руб. "
         "Загрузка остановлена."_cp},
        {5, "1234567890",
         "Строка 4 реестра, столбец INVOICE_DUE: сумма «1234567890» больше 21474836 руб. "
         "Загрузка остановлена."_cp},
        // A text the report's 10-character field would cut is never stored cut.
        {5, "12345678.99",
         "Строка 4 реестра, столбец INVOICE_DUE: сумма «12345678.99» длиннее 10 знаков и не "
         "помещается в отчет. Загрузка остановлена."_cp},
    };
    for (const auto& [index, amount, message] : cases) {
        SCOPED_TRACE(amount);
        const SlkImportResult r = parseRegister(
            text({kTitle, kHeader, data(1), data(2, {{index, amount}}), data(3)}), kContract);
        EXPECT_FALSE(r.refused);
        EXPECT_EQ(invoices(r), std::vector{invoiceNo(1)});
        EXPECT_EQ(r.messages, std::vector{message});
    }
}

TEST(ParseRegister, AReadThatFindsNoRowSaysSoUnlessItSaidWhy) {
    const std::string nothing = "В тексте не найдено ни одной строки реестра"_cp;
    std::string csv = kHeader + "\n" + data(1);
    std::replace(csv.begin(), csv.end(), '\t', ';');
    struct Case {
        const char* name;
        std::string text, contract;
        std::vector<std::string> messages;
    };
    const std::vector<Case> cases = {
        {"empty", "", kContract, {nothing}},
        {"blank lines", "\r\n\n", kContract, {nothing}},
        {"a CSV export", csv, kContract, {nothing}},
        {"title and header only", text({kTitle, kHeader}), kContract, {nothing}},
        {"only bad lines", text({kHeader, data(1, {{3, "short"}})}), kContract, {nothing}},
        {"a silent stop", text({"Invoices register of 12345678", data(1)}), kContract, {nothing}},
        {"another contract",
         text({kTitle, data(1)}),
         "87654321",
         {"Номер агентского договора не совпадает с загруженными данными: в реестре — "
          "«12345678», в карточке агентского договора — «87654321»."_cp}},
        {"no agent contract",
         text({kTitle, data(1)}),
         "",
         {"Введите номер агентского договора"_cp}},
        {"a bad first amount",
         text({kHeader, data(1, {{5, "1.2.3"}})}),
         kContract,
         {"Строка 2 реестра, столбец INVOICE_DUE: неверная сумма «1.2.3». Загрузка остановлена."_cp}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SlkImportResult r = parseRegister(c.text, c.contract);
        EXPECT_TRUE(r.refused) << "nothing to import: the report keeps what it has";
        EXPECT_TRUE(r.rows.empty());
        EXPECT_EQ(r.messages, c.messages);
    }
}

} // namespace
} // namespace kestrelon
