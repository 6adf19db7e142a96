#include "documents/words/div_st.h"

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

struct BreakCase {
    std::string text;
    int maxWidth;
    std::vector<std::string> lines;
};

TEST(DivSt, AWordTooWideForALineIsBrokenAndNoCharacterIsLost) {
    // A line of 50 pixels holds four characters, one of 60 five, one of 310 thirty.
    const std::string longWord(100, 'x');
    const BreakCase cases[] = {
        {"abcdefgh xy", 50, {"abcd", "efgh", "xy"}},
        {"abcdefghij", 50, {"abcd", "efgh", "ij"}},
        {"ab abcdefgh xy", 50, {"ab", "abcd", "efgh", "xy"}},
        // What is left of the word shares its line with the words after it.
        {"ab abcdefghijk cd", 60, {"ab", "abcde", "fghij", "k cd"}},
        {longWord,
         310,
         {longWord.substr(0, 30), longWord.substr(30, 30), longWord.substr(60, 30),
          longWord.substr(90)}},
    };
    for (const BreakCase& c : cases) {
        const WrappedText wrapped = wrap(c.text, c.maxWidth);
        EXPECT_EQ(wrapped.lines, c.lines) << c.text << " in " << c.maxWidth;
        EXPECT_FALSE(wrapped.cut) << c.text << " in " << c.maxWidth;
    }
}

TEST(DivSt, ABrokenWordLongerThanFourLinesIsCutWithAnEllipsis) {
    const BreakCase cases[] = {
        // "mnop…" would be 50 pixels wide, so the last piece gives way to the ellipsis.
        {"abcdefghijklmnopqrstuvwxyz", 50, {"abcd", "efgh", "ijkl", "mno\x85"}},
        {"aa bb cc abcdefgh", 50, {"aa", "bb", "cc", "abc\x85"}},
        {"aa bb cc dddd ee", 50, {"aa", "bb", "cc", "ddd\x85"}},
        // Not even one character fits: nothing can be placed.
        {"abc", 5, {"\x85"}},
    };
    for (const BreakCase& c : cases) {
        const WrappedText wrapped = wrap(c.text, c.maxWidth);
        EXPECT_EQ(wrapped.lines, c.lines) << c.text << " in " << c.maxWidth;
        EXPECT_TRUE(wrapped.cut) << c.text << " in " << c.maxWidth;
    }
}

} // namespace
} // namespace kestrelon
