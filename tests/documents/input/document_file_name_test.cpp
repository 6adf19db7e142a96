// The names a report's documents are saved and sent under.

#include "documents/input/document_file_name.h"
#include "documents/sample_input.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

DocumentInput march2013(const char* invoiceNo, const char* actNo, const char* offsetNo) {
    DocumentInput input = sampleInput();
    input.period = Period{2, 3};
    input.invoiceNo = invoiceNo;
    input.actNo = actNo;
    input.offsetActNo = offsetNo;
    return input;
}

TEST(DocumentFileName, NamesTheDocumentItsNumberAndThePeriod) {
    const struct {
        const char* name;
        DocumentInput input;
        std::array<std::string, 3> expected;
    } cases[] = {
        {"each its own number",
         march2013("12", "13", "5"),
         {"Счет 12 за Март 2013.pdf", "Акт 13 за Март 2013.pdf", "Акт зачета 5 за Март 2013.pdf"}},
        {"blanks around a number",
         march2013(" 12\t", "13\xA0", "  "),
         {"Счет 12 за Март 2013.pdf", "Акт 13 за Март 2013.pdf", "Акт зачета за Март 2013.pdf"}},
        {"no numbers",
         march2013("", "", ""),
         {"Счет за Март 2013.pdf", "Акт за Март 2013.pdf", "Акт зачета за Март 2013.pdf"}},
        {"what no folder takes",
         march2013("1/2", "..\\3", "4:*?\"<>|\n"),
         {"Счет 1_2 за Март 2013.pdf", "Акт .._3 за Март 2013.pdf",
          "Акт зачета 4_______ за Март 2013.pdf"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(documentFileNames(c.input), c.expected);
        EXPECT_EQ(documentFileName(DocumentKind::Act, c.input), c.expected[1]);
    }
}

TEST(DocumentFileName, APeriodOutsideTheListsIsLeftOut) {
    DocumentInput input = march2013("12", "13", "5");
    for (const Period period : {Period{12, 3}, Period{2, Period::kYearCount}}) {
        input.period = period;
        EXPECT_EQ(documentFileName(DocumentKind::Invoice, input), "Счет 12.pdf");
    }
}

TEST(DocumentName, APrintJobIsNamedAsTheDocumentCallsItselfOnOneLine) {
    const struct {
        const char* name;
        DocumentInput input;
        std::array<std::string, 3> expected;
    } cases[] = {
        {"each its own number",
         march2013("12", "13", "5"),
         {"Счет 12 за Март 2013", "Акт 13 за Март 2013", "Акт зачета 5 за Март 2013"}},
        {"what no folder takes is no trouble in a print queue",
         march2013("1/2", "..\\3", "4:*?\"<>|"),
         {"Счет 1/2 за Март 2013", "Акт ..\\3 за Март 2013", "Акт зачета 4:*?\"<>| за Март 2013"}},
        {"a line break inside a number",
         march2013("1\r\n2", "3\t4",
                   "\x7F"
                   "5"),
         {"Счет 1  2 за Март 2013", "Акт 3 4 за Март 2013", "Акт зачета  5 за Март 2013"}},
        {"no numbers",
         march2013("", " ", ""),
         {"Счет за Март 2013", "Акт за Март 2013", "Акт зачета за Март 2013"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (std::size_t d = 0; d < c.expected.size(); ++d) {
            EXPECT_EQ(documentName(kAllDocuments[d], c.input), c.expected[d]);
        }
    }
    DocumentInput noPeriod = march2013("12", "13", "5");
    noPeriod.period = Period{12, 3};
    EXPECT_EQ(documentName(DocumentKind::OffsetAct, noPeriod), "Акт зачета 5");
}

} // namespace
} // namespace kestrelon
