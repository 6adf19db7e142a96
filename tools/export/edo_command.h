#pragma once
// kestrelon-export --edo: a stored report's documents for an EDO operator, as the report
// window's "ЭДО" writes them.

#include <ostream>
#include <string>
#include <vector>

namespace kestrelon {

// The arguments after "--edo". Returns the exit status: 0 written, 1 not written (the reasons
// on `err`), 2 wrong arguments.
int runEdoExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace kestrelon
