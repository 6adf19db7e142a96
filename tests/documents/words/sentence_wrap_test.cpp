#include "documents/fake_metrics.h"
#include "documents/words/sentence_wrap.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kestrelon {
namespace {

// A 20-pixel regular font is 10 pixels a character: a line of 95 pixels holds nine.
const FontSpec kFont{kArial, 20, false};

struct Case {
    const char* what;
    NamingSentence sentence;
    std::vector<std::string> lines;
};

TEST(NamingSentence, OnlyTheNameGivesWayWhenTheSentenceNeedsMoreThanFourLines) {
    const std::string n40(40, 'N');
    const Case cases[] = {
        {"fits", {"aa ", "NNN", " bb"}, {"aa NNN bb"}},
        // Four lines hold "aa", two pieces of nine and "bb cc" with the name's last three
        // characters: 20 of the name and the ellipsis.
        {"shortened", {"aa ", n40, " bb cc"}, {"aa", "NNNNNNNNN", "NNNNNNNNN", "NN\x85 bb cc"}},
        {"no name to shorten",
         {"aa bb cc dd ee ff gg hh ii jj kk ll mm", "", ""},
         {"aa bb cc", "dd ee ff", "gg hh ii", "jj kk ll\x85"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wrapNamingSentence(c.sentence, kFont, 95, FakeMetrics()).lines, c.lines)
            << c.what;
    }
}

} // namespace
} // namespace kestrelon
