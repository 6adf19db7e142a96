#include "price_list.h"

#include "mark_up.h"
#include "price_line.h"
#include "price_token.h"
#include "store/cp1251.h"
#include "store/general_number.h"
#include "tariff_amount.h"

#include <algorithm>

namespace kestrelon::tariff {
namespace {

constexpr std::size_t kOutputLineLength = 64;

std::vector<std::string> textLines(const PriceTable& table, std::size_t count) {
    std::vector<std::string> lines;
    lines.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const PriceEntry& line = table.Lines[i];
        std::string text = line.Name.str() + '\t' + line.MarkedUpText.str();
        text.resize(std::min(text.size(), kOutputLineLength));
        lines.push_back(std::move(text));
    }
    return lines;
}

} // namespace

PriceList::PriceList(char separator) : separator_(separator) {}

ParseOutcome PriceList::parse(std::string_view text) {
    return parsePriceText(text, allPercent_, separator_, *table_);
}

void PriceList::adopt(std::unique_ptr<PriceTable> table) {
    if (table) {
        table_ = std::move(table);
    }
}

void PriceList::setLinePercent(std::size_t index, unsigned percent) {
    if (index >= count()) {
        return;
    }
    PriceEntry& line = table_->Lines[index];
    percent = std::min(percent, kMaxPercent);
    tariff::setLinePercent(line, percent, separator_);
    line.Individual = percent != allPercent_ ? 1 : 0;
}

void PriceList::setAllPercent(unsigned percent) {
    allPercent_ = std::min(percent, kMaxPercent);
    for (std::size_t i = 0; i < count(); ++i) {
        PriceEntry& line = table_->Lines[i];
        if (line.Individual == 0) {
            tariff::setLinePercent(line, allPercent_, separator_);
        }
    }
}

void PriceList::reset() {
    for (std::size_t i = 0; i < count(); ++i) {
        PriceEntry& line = table_->Lines[i];
        tariff::setLinePercent(line, allPercent_, separator_);
        line.Individual = 0;
    }
}

void PriceList::applyFunction(const TariffFunction& function) {
    for (std::size_t i = 0; i < count(); ++i) {
        PriceEntry& line = table_->Lines[i];
        const unsigned percent =
            std::min(RateForPrice(function, line.BasePrice.get()), kMaxPercent);
        tariff::setLinePercent(line, percent, separator_);
        if (percent != allPercent_) {
            line.Individual = 1;
        }
    }
}

CopyTillOutcome PriceList::copyTill(std::string_view limitField) {
    copyCount_ = 0;
    copy_->Count = 0;
    if (limitField.empty()) {
        return {};
    }
    CopyTillOutcome outcome;
    outcome.limitText = normaliseSeparators(limitField.substr(0, kLimitLength), separator_);
    if (count() == 0) {
        return outcome;
    }
    const TokenPrice limit = readPriceToken(outcome.limitText);
    if (limit.reading == PriceReading::NotAPrice) {
        outcome.message = "Граница для Copy till не число: "_cp + outcome.limitText + ".";
        return outcome;
    }
    if (limit.reading == PriceReading::TooDear) {
        outcome.message = "Граница для Copy till больше "_cp +
                          generalNumber(kMaxBasePrice, 2, separator_) +
                          ": такую цену прайс-лист не хранит. Строки не скопированы."_cp;
        return outcome;
    }
    for (std::size_t i = 0; i < count(); ++i) {
        if (table_->Lines[i].MarkedUpPrice.get() <= limit.kopecks) {
            copy_->Lines[copyCount_++] = table_->Lines[i];
        }
    }
    copy_->Count = copyCount_;
    return outcome;
}

std::vector<std::string> PriceList::outputLines() const {
    return textLines(*table_, count());
}

std::vector<std::string> PriceList::copyLines() const {
    return textLines(*copy_, copyCount_);
}

} // namespace kestrelon::tariff
