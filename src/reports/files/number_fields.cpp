#include "number_fields.h"

#include "store/cp1251.h"

#include <array>

namespace kestrelon {

ProposedNumbers proposedNumbers(const NextNumbers& next) {
    ProposedNumbers proposed{next, {}};
    const std::array<std::pair<std::string*, const char*>, 3> fields = {{
        {&proposed.numbers.OffsetActNo, "акта зачета"},
        {&proposed.numbers.InvoiceNo, "счета"},
        {&proposed.numbers.ActNo, "акта"},
    }};
    for (const auto& [number, name] : fields) {
        if (number->size() <= kNumberFieldLength) {
            continue;
        }
        proposed.message += "Следующий номер "_cp + utf8ToCp1251(name) + " ("_cp + *number +
                            ") не помещается в поле из 5 цифр. Введите номер сами.\n"_cp;
        number->clear();
    }
    if (!proposed.message.empty()) {
        proposed.message.pop_back();
    }
    return proposed;
}

} // namespace kestrelon
