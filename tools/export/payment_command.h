#pragma once
// kestrelon-export --payment: a stored report's payment order to the principal as the file a
// bank's client program imports, as the report window's "Платежка" writes it.

#include <ostream>
#include <string>
#include <vector>

namespace kestrelon {

// The arguments after "--payment". Returns the exit status: 0 written, 1 not written (the
// reasons on `err`), 2 wrong arguments.
int runPaymentExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace kestrelon
