#include "legal_form.h"

#include "store/cp1251.h"
#include "word_list.h"

#include <algorithm>
#include <array>
#include <vector>

namespace kestrelon {
namespace {

constexpr std::size_t kMaxNameLength = 255;

// The spellings bookkeepers type for each word of the legal form; each word is compared on
// its own, so "Общество С ОГРАНИЧЕННОЙ ответственностью" counts too.
using Spellings = std::vector<std::string>;

bool isLegalForm(const WordList& words) {
    static const std::array<Spellings, 4> form = {{
        {"Общество"_cp, "общество"_cp, "ОБЩЕСТВО"_cp},
        {"с"_cp, "С"_cp},
        {"Ограниченной"_cp, "ограниченной"_cp, "ОГРАНИЧЕННОЙ"_cp},
        {"Ответственностью"_cp, "ответственностью"_cp, "ОТВЕТСТВЕННОСТЬЮ"_cp},
    }};
    for (std::size_t i = 0; i < form.size(); ++i) {
        if (std::find(form[i].begin(), form[i].end(), words[i]) == form[i].end()) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string OOO(const std::string& name) {
    // Whole words: a name written as one word longer than a word list's 64 characters must
    // reach the documents with every character.
    const WordList words = SplitWordsWhole(name);
    // The legal form alone is no name to shorten.
    if (words.size() < 5 || !isLegalForm(words)) {
        return name;
    }
    std::string shortName = "ООО"_cp;
    for (std::size_t i = 4; i < words.size(); ++i) {
        shortName += ' ' + words[i];
    }
    if (shortName.size() > kMaxNameLength) {
        shortName.resize(kMaxNameLength);
    }
    return shortName;
}

} // namespace kestrelon
