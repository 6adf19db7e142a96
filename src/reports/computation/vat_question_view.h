#pragma once
// What the VAT question shows for each of its codes: the typed amounts above, the amounts
// they should be below, and which typed amounts are wrong.

#include "manual_computation.h"

#include <array>
#include <string>

namespace kestrelon {

struct VatQuestionView {
    std::string caption; // "cтрока 3" (the first letter is a Latin c, as it always was)
    std::array<std::string, 3> upper; // "Сумма", "НДС", "С НДС" as typed; empty for a dash
    std::array<std::string, 3> lower; // "Должно быть"
    std::array<bool, 3> red{};        // upper fields shown in red
};

VatQuestionView vatQuestionView(const VatQuestion& question);

} // namespace kestrelon
