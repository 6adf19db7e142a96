#pragma once
// How the documents name the principal where they print its short name: the act of services'
// signature block and the act of mutual offset's preamble, clauses and signatures.

#include "document_input.h"

#include <optional>
#include <string>

namespace kestrelon {

// What the documents have always printed there.
std::string fixedPrincipalName();

// The fixed name while the principal's INN is empty or the fixed one (a data folder or a report
// from before the principal could be named); otherwise the principal organization's name with
// its legal form shortened (cp1251).
std::string principalShortName(const std::optional<DocumentFirm>& principal);

} // namespace kestrelon
