#pragma once
// The price list the mark-up tool works on: its lines with their percentages, the common
// percentage "All %", and the lines copied by "Copy till". The window owns one and feeds it
// the values of its controls; every rule about the lines is here.

#include "price_parse.h"
#include "price_table.h"
#include "store/tariff_function.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelon::tariff {

struct CopyTillOutcome {
    std::string limitText; // the limit field's text as it is to be shown now (cp1251)
    std::string message;   // why nothing was copied (cp1251); empty when there is no reason
};

class PriceList {
public:
    static constexpr unsigned kStartAllPercent = 100;
    // "Copy till" reads this many characters of its limit field.
    static constexpr std::size_t kLimitLength = 6;

    // The system's decimal separator writes the price texts.
    explicit PriceList(char separator);

    char separator() const { return separator_; }
    std::size_t count() const { return table_->count(); }
    const PriceEntry& line(std::size_t index) const { return table_->Lines[index]; }
    const PriceTable& table() const { return *table_; }
    unsigned allPercent() const { return allPercent_; }

    // Reads a text into the lines, each at "All %".
    ParseOutcome parse(std::string_view text);
    // Takes the lines of a price-list image as they were stored.
    void adopt(std::unique_ptr<PriceTable> table);
    // No lines until the next parse (a new text was opened).
    void clear() { table_->Count = 0; }

    // "%": the line's own percentage; it keeps its flag while it differs from "All %".
    void setLinePercent(std::size_t index, unsigned percent);
    // "All %": every line without its own percentage follows it.
    void setAllPercent(unsigned percent);
    // "Reset": every line back to "All %", no line keeps its own percentage.
    void reset();
    // "Фунция": each line takes the rate of its price's range, at most 500 %; a line whose
    // rate differs from "All %" gets its own flag, and a flag already set stays.
    void applyFunction(const TariffFunction& function);

    // "Copy till": the lines whose marked-up price is at most the limit typed in the field
    // (its first six characters) are copied, in order. The copy starts empty every time.
    CopyTillOutcome copyTill(std::string_view limitField);
    std::size_t copyCount() const { return copyCount_; }
    const PriceEntry& copied(std::size_t index) const { return copy_->Lines[index]; }

    // The text lines "Save" writes for the lines and for the copied lines: the name, a TAB
    // and the marked-up price, each cut to 64 characters (cp1251).
    std::vector<std::string> outputLines() const;
    std::vector<std::string> copyLines() const;

private:
    char separator_;
    unsigned allPercent_ = kStartAllPercent;
    std::unique_ptr<PriceTable> table_ = std::make_unique<PriceTable>();
    std::unique_ptr<PriceTable> copy_ = std::make_unique<PriceTable>();
    std::uint16_t copyCount_ = 0;
};

} // namespace kestrelon::tariff
