// Rules the report window shows: the next numbers in five-digit fields, the VAT question's
// fields, and the remuneration a report can hold.

#include "reports/computation/remuneration.h"
#include "reports/computation/vat_question_view.h"
#include "reports/files/number_fields.h"
#include "store/cp1251.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

TEST(NumberFields, ANumberLongerThanItsFieldIsLeftForTheUserNeverCut) {
    const ProposedNumbers fits = proposedNumbers({"99999", "1", "12"});
    EXPECT_EQ(fits.numbers.OffsetActNo, "99999");
    EXPECT_TRUE(fits.message.empty());

    const ProposedNumbers over = proposedNumbers({"100000", "7", "100001"});
    EXPECT_EQ(over.numbers.OffsetActNo, "") << "a cut \"10000\" could repeat a stored number";
    EXPECT_EQ(over.numbers.InvoiceNo, "7");
    EXPECT_EQ(over.numbers.ActNo, "");
    const std::string message = cp1251ToUtf8(over.message);
    EXPECT_NE(message.find("акта зачета (100000)"), std::string::npos) << message;
    EXPECT_NE(message.find("акта (100001)"), std::string::npos) << message;
    EXPECT_EQ(message.find("счета"), std::string::npos) << message;
}

struct QuestionCase {
    int code;
    std::array<const char*, 3> upper, lower;
    std::array<bool, 3> red;
};

TEST(VatQuestionView, FieldsAndRedMarksOfEveryCode) {
    VatQuestion q;
    q.rowIndex = 2;
    q.net = "100";
    q.vat = "17";
    q.gross = "119";
    q.expectedVat = "18.00";
    q.expectedGross = "118.00";
    const std::vector<QuestionCase> cases = {
        {3, {"", "17", "119"}, {"", "18.00", "119"}, {false, true, false}},
        {5, {"100", "", "119"}, {"100", "", "118.00"}, {false, false, true}},
        {6, {"100", "17", ""}, {"100", "18.00", ""}, {false, true, false}},
        {7, {"100", "17", "119"}, {"100", "18.00", "119"}, {false, true, false}},
        {8, {"100", "17", "119"}, {"100", "17", "118.00"}, {false, false, true}},
        {9, {"100", "17", "119"}, {"100", "18.00", "118.00"}, {false, true, true}},
    };
    for (const QuestionCase& c : cases) {
        q.code = c.code;
        const VatQuestionView v = vatQuestionView(q);
        EXPECT_EQ(cp1251ToUtf8(v.caption), "cтрока 3");
        for (std::size_t f = 0; f < 3; ++f) {
            EXPECT_EQ(v.upper[f], c.upper[f]) << "code " << c.code << " field " << f;
            EXPECT_EQ(v.lower[f], c.lower[f]) << "code " << c.code << " field " << f;
            EXPECT_EQ(v.red[f], c.red[f]) << "code " << c.code << " field " << f;
        }
    }
}

TEST(Remuneration, ATextLongerThanTheReportsFieldIsRefusedNotStoredCut) {
    RowSet set;
    set.IncomeTotal = 10000000;
    set.GrossTotal = 11800000;
    ComputationResult tooLong;
    applyRemuneration(set, "000001500.5", tooLong);
    EXPECT_FALSE(tooLong.ready);
    EXPECT_NE(cp1251ToUtf8(tooLong.message).find("длиннее 10 знаков"), std::string::npos);

    ComputationResult fits;
    applyRemuneration(set, "0001500.50", fits);
    EXPECT_TRUE(fits.ready);
    EXPECT_EQ(set.Remuneration, 150050u);
}

} // namespace
} // namespace kestrelon
