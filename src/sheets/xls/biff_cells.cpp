#include "biff_cells.h"

#include "biff_bytes.h"
#include "sheets/sylk_date.h"

#include <array>
#include <cstring>
#include <utility>

namespace kestrelon::biff {
namespace {

constexpr std::uint8_t kRkHundredths = 0x01;
constexpr std::uint8_t kRkInteger = 0x02;

// A cell names its XF with 16 bits: more XF records than that can name nothing.
constexpr std::size_t kMaxXfs = 65536;

// Excel's own formats that show dates; their codes depend on the system's language, so files
// do not have to write them. 27-36 and 50-58 are the East Asian date formats.
bool isBuiltInDateFormat(std::uint16_t index) {
    return (index >= 14 && index <= 17) || index == 22 || (index >= 27 && index <= 36) ||
           (index >= 50 && index <= 58);
}

} // namespace

double rkNumber(std::uint32_t rk) {
    double value;
    if (rk & kRkInteger) {
        value = static_cast<std::int32_t>(rk) >> 2;
    } else {
        const std::uint64_t bits = static_cast<std::uint64_t>(rk & 0xFFFFFFFC) << 32;
        std::memcpy(&value, &bits, sizeof value);
    }
    return rk & kRkHundredths ? value / 100 : value;
}

std::optional<std::string> errorText(std::uint8_t code) {
    static constexpr std::array<std::pair<std::uint8_t, const char*>, 7> kErrors = {{
        {0x00, "#NULL!"},
        {0x07, "#DIV/0!"},
        {0x0F, "#VALUE!"},
        {0x17, "#REF!"},
        {0x1D, "#NAME?"},
        {0x24, "#NUM!"},
        {0x2A, "#N/A"},
    }};
    for (const auto& [errorCode, text] : kErrors) {
        if (errorCode == code) {
            return text;
        }
    }
    return std::nullopt;
}

FormulaValue formulaValue(std::string_view eightBytes) {
    // A value that is no number is marked by 0xFFFF in the top bytes, where a double would
    // be a NaN; the first byte then says what it is.
    if (u16(eightBytes, 6) != 0xFFFF) {
        return {FormulaValue::Kind::Number, f64(eightBytes, 0), 0};
    }
    switch (u8(eightBytes, 0)) {
    case 0:
        return {FormulaValue::Kind::Text, 0, 0};
    case 1:
        return {FormulaValue::Kind::Boolean, 0, static_cast<std::uint8_t>(u8(eightBytes, 2) != 0)};
    case 2:
        return {FormulaValue::Kind::Error, 0, u8(eightBytes, 2)};
    case 3:
        return {FormulaValue::Kind::EmptyText, 0, 0};
    default:
        return {};
    }
}

void DateFormats::addFormat(std::uint16_t index, std::string_view code) {
    formats_[index] = isDateFormat(code);
}

void DateFormats::addXf(std::uint16_t formatIndex) {
    if (xfFormats_.size() < kMaxXfs) {
        xfFormats_.push_back(formatIndex);
    }
}

std::vector<bool> DateFormats::xfsShowingDates() const {
    std::vector<bool> dates;
    dates.reserve(xfFormats_.size());
    for (const std::uint16_t format : xfFormats_) {
        const auto given = formats_.find(format);
        dates.push_back(given == formats_.end() ? isBuiltInDateFormat(format) : given->second);
    }
    return dates;
}

} // namespace kestrelon::biff
