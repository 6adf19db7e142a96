#pragma once
// What a "Get" computation hands back to the report window: the texts of its fields, the
// ready flag of the mode, and the one message to show, if any.

#include <string>

namespace kestrelon {

struct ComputationResult {
    bool ready = false;               // the mode's ready flag: the report may be saved
    bool totalsShown = false;         // the three total fields got new texts
    std::string incomeTotal;          // "Начисл. доход"
    std::string vatTotal;             // "Ндс"
    std::string grossTotal;           // "C Ндс"
    bool remunerationCleared = false; // "Вознагражд." and "Тарвелу" emptied
    std::string toPrincipal;          // "Тарвелу" when ready
    std::string message;              // cp1251; empty when there is nothing to say
};

} // namespace kestrelon
