#pragma once
// The УПД as the tax service's schema lays it out (format 5.03, seller's information).

#include "upd_document.h"
#include "xml_tree.h"

namespace kestrelon {

inline constexpr const char* kUpdFormatVersion = "5.03";
inline constexpr const char* kUpdKnd = "1115131";

// The element tree of the exchange file, in the schema's order.
XmlElement updXml(const UpdDocument& document);

} // namespace kestrelon
