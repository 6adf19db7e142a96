#include "legal_form.h"

#include "store/cp1251.h"
#include "word_list.h"

#include <array>
#include <string_view>
#include <vector>

namespace kestrelon {
namespace {

constexpr std::size_t kMaxNameLength = 255;

struct LegalForm {
    std::vector<std::string> words; // lower case, cp1251
    std::string abbreviation;
};

const LegalForm& limitedLiability() {
    static const LegalForm form{{"общество"_cp, "с"_cp, "ограниченной"_cp, "ответственностью"_cp},
                                "ООО"_cp};
    return form;
}

const std::array<LegalForm, 3>& jointStock() {
    static const std::array<LegalForm, 3> forms{{
        {{"публичное"_cp, "акционерное"_cp, "общество"_cp}, "ПАО"_cp},
        {{"непубличное"_cp, "акционерное"_cp, "общество"_cp}, "НАО"_cp},
        {{"акционерное"_cp, "общество"_cp}, "АО"_cp},
    }};
    return forms;
}

// A cp1251 letter in upper case: а..я are 0xE0..0xFF, А..Я 32 below; ё is 0xB8, Ё 0xA8.
char upper(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0xE0) {
        return static_cast<char>(u - 32);
    }
    if (u == 0xB8) {
        return static_cast<char>(0xA8);
    }
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

// The spellings bookkeepers type for a word of a legal form: lower-case, capitalised and
// upper-case, each word on its own, so "Общество С ОГРАНИЧЕННОЙ ответственностью" counts too.
bool spelledAs(const std::string& word, const std::string& lower) {
    if (word == lower || word.size() != lower.size() || word.empty()) {
        return word == lower;
    }
    std::string capitalised = lower;
    capitalised[0] = upper(capitalised[0]);
    if (word == capitalised) {
        return true;
    }
    std::string upperCase = lower;
    for (char& c : upperCase) {
        c = upper(c);
    }
    return word == upperCase;
}

// The name with the form replaced by its abbreviation, when the name starts with the form and
// goes on after it; nothing otherwise.
bool shortened(const WordList& words, const LegalForm& form, std::string& result) {
    // The legal form alone is no name to shorten.
    if (words.size() <= form.words.size()) {
        return false;
    }
    for (std::size_t i = 0; i < form.words.size(); ++i) {
        if (!spelledAs(words[i], form.words[i])) {
            return false;
        }
    }
    result = form.abbreviation;
    for (std::size_t i = form.words.size(); i < words.size(); ++i) {
        result += ' ' + words[i];
    }
    if (result.size() > kMaxNameLength) {
        result.resize(kMaxNameLength);
    }
    return true;
}

} // namespace

std::string OOO(const std::string& name) {
    // Whole words: a name written as one word longer than a word list's 64 characters must
    // reach the documents with every character.
    std::string result;
    return shortened(SplitWordsWhole(name), limitedLiability(), result) ? result : name;
}

std::string shortLegalForm(const std::string& name) {
    const WordList words = SplitWordsWhole(name);
    std::string result;
    if (shortened(words, limitedLiability(), result)) {
        return result;
    }
    for (const LegalForm& form : jointStock()) {
        if (shortened(words, form, result)) {
            return result;
        }
    }
    return name;
}

} // namespace kestrelon
