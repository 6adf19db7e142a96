#pragma once
// The three number fields of a new report ("Акт вз.з.", "Счет", "Акт").

#include "report_list.h"

#include <cstddef>
#include <string>

namespace kestrelon {

// The fields take at most five digits.
inline constexpr std::size_t kNumberFieldLength = 5;

struct ProposedNumbers {
    NextNumbers numbers; // a number that does not fit its field is left empty
    std::string message; // cp1251; says which numbers the user must type, empty when all fit
};

// The next numbers for the fields. A number longer than a field is never cut: a cut number
// can repeat a stored one. Its field stays empty and the message asks the user to type one.
ProposedNumbers proposedNumbers(const NextNumbers& next);

} // namespace kestrelon
