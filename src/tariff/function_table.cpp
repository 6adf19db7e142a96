#include "function_table.h"

#include "store/cp1251.h"

namespace kestrelon::tariff {

AddResult AddFunction(DataStore& store, std::string_view name, std::string_view createdTime) {
    if (store.FunctionCount >= kMaxFunctions) {
        return {};
    }
    if (name.empty()) {
        return {false, "Введите название функции"_cp};
    }
    // Compared as it would be stored: a long name that differs only after its 32nd character
    // would otherwise be stored a second time under the same name.
    const std::string_view stored = name.substr(0, kNameLength);
    for (std::size_t i = 0; i < store.FunctionCount; ++i) {
        if (store.Functions[i].Name == stored) {
            return {false, "Такое имя функции уже есть"_cp};
        }
    }
    TariffFunction& slot = store.Functions[store.FunctionCount];
    slot.Name = stored;
    slot.CreatedTime = createdTime;
    slot.Rates = store.EditedFunction.Rates;
    slot.Thresholds = store.EditedFunction.Thresholds;
    ++store.FunctionCount;
    return {true, {}};
}

bool DeleteFunction(DataStore& store, std::int16_t& selected) {
    const std::size_t count = store.FunctionCount;
    if (selected < 0 || static_cast<std::size_t>(selected) >= count) {
        return false;
    }
    const auto s = static_cast<std::size_t>(selected);
    for (std::size_t i = s + 1; i < count; ++i) {
        store.Functions[i - 1] = store.Functions[i];
    }
    clearPresence(store.Functions[count - 1]);
    if (s + 1 == count && selected > 0) {
        --selected;
    }
    --store.FunctionCount;
    return true;
}

} // namespace kestrelon::tariff
