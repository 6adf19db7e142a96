#pragma once
// Storing the working copy of the function editor under a new name, and removing a stored
// function, in the table of 16 functions. Saving the table is the caller's: it writes the
// whole table once the window has shown the change.

#include "store/data_store.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kestrelon::tariff {

inline constexpr std::size_t kMaxFunctions = 16;
inline constexpr std::size_t kNameLength = 32;

struct AddResult {
    bool added = false;
    // Why nothing was stored (cp1251); empty when the table is simply full.
    std::string message;
};

// Stores the working copy's rates and thresholds in slot FunctionCount under `name` (cut to 32
// characters) with `createdTime` (the time of day in the system's long time format, cut to 10
// characters) and counts it. An empty name, or one equal to a stored name (exactly, letter
// case included) once cut to its stored length, stores nothing and says why.
AddResult AddFunction(DataStore& store, std::string_view name, std::string_view createdTime);

// Removes function `selected`: the slots after it move down one each, the last used slot's
// name is emptied. The selection then names the function that moved into the gap, or the one
// before when the last was removed (never below the first slot). False when `selected` names
// no stored function.
bool DeleteFunction(DataStore& store, std::int16_t& selected);

} // namespace kestrelon::tariff
