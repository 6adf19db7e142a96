// ShortStr<N>: a length byte and N bytes of cp1251 text.

#include "store_test_util.h"

#include "store/firm_record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace kestrelon::test {
namespace {

std::string repeated(std::string_view text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += text;
    }
    return out;
}

TEST(ShortStr, LongerTextKeepsFirstNCharacters) {
    ShortStr<4> s;
    s = "abcdef";
    EXPECT_EQ(s.length, 4);
    EXPECT_EQ(s, "abcd");
}

TEST(ShortStr, OrganizationNameOf200CharactersKeepsFirst128) {
    FirmRecord firm{};
    firm.Name.assignFromField(utf8ToCp1251(repeated("Ж", 128) + repeated("ю", 72)));
    EXPECT_EQ(firm.Name.length, 128);
    EXPECT_EQ(utf8(firm.Name), repeated("Ж", 128));
}

TEST(ShortStr, FieldTextIsCutTo255) {
    ShortStr<255> wide;
    wide.assignFromField(std::string(300, 'x'));
    EXPECT_EQ(wide.length, 255);
    ShortStr<12> narrow;
    narrow.assignFromField(std::string(300, '7'));
    EXPECT_EQ(narrow, std::string(12, '7'));
}

TEST(ShortStr, LengthByteAboveCapacityReadsAsCapacity) {
    ShortStr<4> s;
    std::memcpy(s.text.data(), "wxyz", 4);
    s.length = 200;
    EXPECT_EQ(s.size(), 4u);
    EXPECT_EQ(s.view(), "wxyz");
}

TEST(ShortStr, AssignAndClearLeaveBytesAfterLengthAlone) {
    ShortStr<8> s;
    s = "abcdefgh";
    s = "xy";
    EXPECT_EQ(std::string(s.text.data(), 8), "xycdefgh");
    s.clear();
    EXPECT_TRUE(s.empty());
    EXPECT_EQ(std::string(s.text.data(), 8), "xycdefgh");
}

TEST(ShortStr, EqualityComparesOnlySignificantBytes) {
    ShortStr<8> abcTailX;
    abcTailX = "abcX";
    abcTailX.length = 3;
    ShortStr<8> abcTailY;
    abcTailY = "abcY";
    abcTailY.length = 3;
    ShortStr<8> ab;
    ab = "abc";
    ab.length = 2;
    ShortStr<8> abd;
    abd = "abd";
    ShortStr<128> wideAbc;
    wideAbc = "abc";

    EXPECT_TRUE(abcTailX == abcTailY);
    EXPECT_TRUE(abcTailX == wideAbc);
    EXPECT_TRUE(abcTailX == "abc");
    EXPECT_FALSE(abcTailX == ab);
    EXPECT_FALSE(abcTailX == abd);
    EXPECT_FALSE(ab == "abc");
}

} // namespace
} // namespace kestrelon::test
