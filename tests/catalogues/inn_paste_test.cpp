#include "catalogues/inn_paste.h"
#include "store/cp1251.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

TEST(InnPasteTest, ASpreadsheetCellKeepsItsDigitsAndAnythingElseIsRefusedWithAMessage) {
    const std::string otherCharacters = "ИНН состоит только из цифр: вставленный текст не подходит";
    const std::string tooLong = "ИНН не длиннее 12 цифр: вставленный номер не помещается";
    struct Case {
        std::string pasted; // cp1251
        std::size_t kept;
        std::string digits;
        std::string refusal; // UTF-8
    };
    const Case cases[] = {
        {"7701234567", 0, "7701234567", ""},
        {" 7701234567\r\n", 0, "7701234567", ""},
        {"\t77 01\xA0"
         "234567\n",
         0, "7701234567", ""},
        {"770123456789", 0, "770123456789", ""},
        {" \r\n", 0, "", ""},
        {"12345678", 4, "12345678", ""},
        {"12a3", 0, "", otherCharacters},
        {"7701-234567", 0, "", otherCharacters},
        {"ИНН 7701234567"_cp, 0, "", otherCharacters},
        {"7701234567890", 0, "", tooLong},
        {"123456789", 4, "", tooLong},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(cp1251ToUtf8(c.pasted));
        const InnPaste paste = pasteIntoInn(c.pasted, c.kept);
        EXPECT_EQ(paste.digits, c.digits);
        EXPECT_EQ(cp1251ToUtf8(paste.refusal), c.refusal);
    }
}

} // namespace
} // namespace kestrelon
