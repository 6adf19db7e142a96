#include "documents/div_st.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kestrelon {
namespace {

// Every character is 10 pixels wide, so widths are easy to work out by hand.
class TenPixelMetrics : public TextMetrics {
public:
    int width(const std::string& text, const FontSpec&) const override {
        return static_cast<int>(text.size()) * 10;
    }
    int height(const std::string&, const FontSpec& font) const override { return font.pixelHeight; }
};

WrappedText wrap(const std::string& text, int maxWidth) {
    return DivSt(text, FontSpec{kArial, 16, true}, maxWidth, TenPixelMetrics());
}

TEST(DivSt, WordsJoinALineWhileItStaysStrictlyNarrower) {
    // "aaa bbb" is 70 pixels: it fits a width of 71, not of 70.
    EXPECT_EQ(wrap("aaa bbb", 71).lines, (std::vector<std::string>{"aaa bbb"}));
    EXPECT_EQ(wrap("aaa bbb", 70).lines, (std::vector<std::string>{"aaa", "bbb"}));
    EXPECT_EQ(wrap("  aaa   bbb ccc ", 80).lines, (std::vector<std::string>{"aaa bbb", "ccc"}));
    EXPECT_FALSE(wrap("aaa bbb", 70).cut);
}

TEST(DivSt, FourLinesAtMostAndACutIsShown) {
    const WrappedText four = wrap("aa bb cc dd", 30);
    EXPECT_EQ(four.lines, (std::vector<std::string>{"aa", "bb", "cc", "dd"}));
    EXPECT_FALSE(four.cut);

    const WrappedText five = wrap("aa bb cc dd ee", 40);
    ASSERT_EQ(five.lines.size(), 4u);
    EXPECT_TRUE(five.cut);
    EXPECT_EQ(five.lines[3], "dd\x85") << "the dropped words are marked by an ellipsis";

    // The ellipsis needs room: words give way to it on the last line.
    const WrappedText tight = wrap("aa bb cc dd ee ff gg", 60);
    ASSERT_EQ(tight.lines.size(), 4u);
    EXPECT_EQ(tight.lines[3], "gg") << "seven words fit in four lines of two";
    const WrappedText over = wrap("aa bb cc dd ee ff gg hh ii", 60);
    EXPECT_EQ(over.lines[3], "gg\x85");
}

TEST(DivSt, AWordWiderThanTheLineEndsTheWrapping) {
    const WrappedText first = wrap("abcdefgh xy", 50);
    EXPECT_TRUE(first.cut);
    EXPECT_EQ(first.lines, (std::vector<std::string>{"\x85"}));

    const WrappedText later = wrap("ab abcdefgh xy", 50);
    EXPECT_TRUE(later.cut);
    EXPECT_EQ(later.lines, (std::vector<std::string>{"ab\x85"}));
}

} // namespace
} // namespace kestrelon
