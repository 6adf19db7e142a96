// The text helpers of reports and documents: amount reading, VAT at every rate, amounts in
// words, long dates, the legal form and word wrapping. The first two bytes choose the wrapping
// width and line limit; the rest is the text.
#include "documents/fake_metrics.h"
#include "documents/words/amount_words.h"
#include "documents/words/div_st.h"
#include "documents/words/legal_form.h"
#include "documents/words/long_date.h"
#include "documents/words/word_list.h"
#include "fuzz_check.h"
#include "reports/values/money.h"

#include <algorithm>

using namespace kestrelon;
using fuzz::require;

namespace {

bool allDigits(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void amounts(std::string_view text) {
    const RubleKopek split = DivRubleKopek(text);
    if (split.status == RubleKopek::Valid) {
        require(!split.rubles.empty() && allDigits(split.rubles), "rubles are digits");
        require(split.kopecks.empty() || (split.kopecks.size() == 2 && allDigits(split.kopecks)),
                "kopecks are empty or two digits");
        const RubleKopek again = DivRubleKopek(split.text);
        require(again.status == RubleKopek::Valid && again.text == split.text,
                "a normalised amount text stays as it is");
    }
    const KopecksOrError parsed = parseAmount(text);
    if (!parsed.ok()) {
        return;
    }
    const std::uint32_t k = parsed.kopecks;
    require(parseAmount(KopToRub(k)).kopecks == k, "an amount's money text reads back");
    require(NumToLetRubleKopek(KopToRub(k)).has_value(), "every amount has words");
    for (const int rate : {18, 20, 22}) {
        const auto vat = CalcNds(NdsMode::VatFromNet, k, rate);
        const auto gross = CalcNds(NdsMode::GrossFromNet, k, rate);
        // Each is rounded on its own (1.75 at 18 %: VAT 0.32, gross 2.06), so they may part by
        // a kopeck.
        require(vat && gross && *gross + 1 >= k + *vat && *gross <= k + *vat + 1,
                "gross is net plus its VAT, to a kopeck");
        require(CalcNds(NdsMode::NetFromGross, *gross, rate) == k, "net comes back from gross");
    }
}

void words(std::string_view text) {
    const auto line = NumToLetRubleKopek(text);
    if (line) {
        require(!line->empty() && line->size() <= 255, "the words fit 255 characters");
        const auto first = static_cast<unsigned char>((*line)[0]);
        require(first >= 0xC0 && first <= 0xDF, "the words start with a capital letter");
    }
}

void dates(std::string_view text) {
    const std::string date = FormatLongDate(text);
    if (!date.empty()) {
        // Empty pieces between dots do not count; a piece is at most 64 characters.
        const std::string day = SplitBySeparator(text, '.').front();
        require(date.starts_with(day + ' '), "the day is kept as typed");
        require(date.ends_with(" \xE3."), "a long date ends with the year mark");
    }
}

void legalForm(const std::string& name) {
    const std::string shortName = OOO(name);
    require(shortName == name || shortName.starts_with("\xCE\xCE\xCE "),
            "a name is shortened to the legal form or kept");
    require(OOO(shortName) == shortName, "a shortened name stays short");
}

// Blanks and control characters only separate words.
std::string withoutBlanks(std::string_view text) {
    std::string kept;
    std::copy_if(text.begin(), text.end(), std::back_inserter(kept),
                 [](char c) { return static_cast<unsigned char>(c) > ' '; });
    return kept;
}

void wrapping(const std::string& text, int maxWidth, std::size_t maxLines) {
    const FakeMetrics metrics;
    const FontSpec font{kArial, 16, false};
    const WrappedText wrapped = DivSt(text, font, maxWidth, metrics, maxLines);
    require(wrapped.lines.size() <= maxLines, "no more lines than allowed");
    if (wrapped.cut) {
        require(!wrapped.lines.empty() && wrapped.lines.back().ends_with(kEllipsis),
                "a cut text ends in an ellipsis");
        return;
    }
    std::string joined;
    for (const std::string& line : wrapped.lines) {
        joined += line;
    }
    require(withoutBlanks(joined) == withoutBlanks(text), "wrapping keeps every character");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const int maxWidth = 1 + data[0];
    const std::size_t maxLines = 1 + data[1] % 8;
    const std::string text(fuzz::bytes(data + 2, size - 2));
    amounts(text);
    words(text);
    dates(text);
    legalForm(text);
    wrapping(text, maxWidth, maxLines);
    return 0;
}
