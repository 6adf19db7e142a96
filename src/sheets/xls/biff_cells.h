#pragma once
// The values of cells in an Excel 95-2003 workbook stream and the formats that show some of
// them as dates.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelon::biff {

// An RK value, the compact number of RK and MULRK records: 30 bits that are either a signed
// integer or the top of a double, and a flag that the number is a hundredth of that, as
// amounts with kopecks are kept.
double rkNumber(std::uint32_t rk);

// An error value as a spreadsheet shows it ("#DIV/0!"); nullopt for a code no error has.
std::optional<std::string> errorText(std::uint8_t code);

// The value a FORMULA record keeps from the formula's last calculation, from its 8 bytes.
struct FormulaValue {
    enum class Kind { Number, Text, Boolean, Error, EmptyText, Unknown };
    Kind kind = Kind::Unknown;
    double number = 0;     // of a Number
    std::uint8_t code = 0; // of a Boolean (0 or 1) or an Error
};
FormulaValue formulaValue(std::string_view eightBytes);

// Which cell formats (XF records) show a date: an XF names a number format, built into Excel
// by its index or given by a FORMAT record.
class DateFormats {
public:
    void addFormat(std::uint16_t index, std::string_view code);
    void addXf(std::uint16_t formatIndex);
    // Whether each XF, in the order they were added, shows a date.
    std::vector<bool> xfsShowingDates() const;

private:
    std::map<std::uint16_t, bool> formats_;
    std::vector<std::uint16_t> xfFormats_;
};

} // namespace kestrelon::biff
