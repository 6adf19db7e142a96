#pragma once
// An act of mutual offset that runs over several sheets names itself and the sheet at the
// foot of each one, so that a sheet that goes astray can be put back in its place.

#include <cstddef>
#include <string>

namespace kestrelon::offset_act {

// "Акт зачета взаимных требований № 7 от 31.03.2011" for the act's number and date; a date
// that does not read as one is left out rather than shown half-right.
std::string pageLineHead(const std::string& number, const std::string& date);

// The head with the sheet: "... — лист 2 из 20" (`page` counted from 1).
std::string pageLineText(const std::string& head, std::size_t page, std::size_t pages);

} // namespace kestrelon::offset_act
