#include "documents/words/word_list.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

TEST(SplitWords, BlanksAndControlCharactersSeparate) {
    EXPECT_EQ(SplitWords("  a\tbc\r\n\x01 d  "), (WordList{"a", "bc", "d"}));
    EXPECT_EQ(SplitWords(" \t\n"), WordList{});
    // Code page 1251 letters lie above 127 and are no separators.
    EXPECT_EQ(SplitWords("\xC0\xE1 \xFF"), (WordList{"\xC0\xE1", "\xFF"}));
}

TEST(SplitBySeparator, ConsecutiveSeparatorsGiveNoEmptyPiece) {
    EXPECT_EQ(SplitBySeparator("12..2011", '.'), (WordList{"12", "2011"}));
    EXPECT_EQ(SplitBySeparator(".5. 3.", '.'), (WordList{"5", " 3"}));
    EXPECT_EQ(SplitBySeparator("15032011", '.'), WordList{"15032011"});
}

TEST(WordList, CutsPiecesTo64CharactersAndListsTo64Pieces) {
    const std::string longWord(70, 'x');
    EXPECT_EQ(SplitWords(longWord + " y"), (WordList{std::string(64, 'x'), "y"}));

    std::string many;
    for (int i = 0; i < 70; ++i) {
        many += std::to_string(i) + ';';
    }
    const WordList pieces = SplitBySeparator(many, ';');
    ASSERT_EQ(pieces.size(), 64u);
    EXPECT_EQ(pieces.back(), "63");
}

TEST(WordList, WholeWordsKeepEveryCharacterAndEveryWord) {
    const std::string longWord(70, 'x');
    EXPECT_EQ(SplitWordsWhole(" " + longWord + "\ty "), (WordList{longWord, "y"}));

    std::string many;
    for (int i = 0; i < 70; ++i) {
        many += std::to_string(i) + ' ';
    }
    const WordList words = SplitWordsWhole(many);
    ASSERT_EQ(words.size(), 70u);
    EXPECT_EQ(words.back(), "69");
}

} // namespace
} // namespace kestrelon
