#pragma once
// The name of an УПД exchange file, as the tax service's format 5.03 prescribes it:
//   ON_NSCHFDOPPR_A_O_GGGGMMDD_N1_N2_N3_N4_N5_N6_N7
// A, O: the recipient's and the sender's EDO participant ids; GGGGMMDD: the day the file is
// made; N1: a GUID of 36 characters; N2: 1 when the file holds traceability details
// (СведПрослеж); N3, N4, N5, N6: 1 when it serves the control of marked goods, of marked
// alcohol, of tobacco and nicotine products, of oil products; N7: a two-digit code from the tax
// service's list, "00" when none applies. A services document has none of them. The file is
// named ИдФайл + ".xml", and ИдФайл must equal that name without ".xml".

#include "local_moment.h"

#include <string>
#include <string_view>

namespace kestrelon {

// ИдФайл for the recipient's and sender's ids, the day and a GUID.
std::string updFileId(std::string_view recipientId, std::string_view senderId, CalendarDay day,
                      std::string_view guid);

// A random (version 4) GUID in lower case: "8c107c03-38d3-4969-ac34-ff5a0047720c".
std::string newGuid();

} // namespace kestrelon
