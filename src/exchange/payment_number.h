#pragma once
// The number of the last payment order written, kept in the data folder ("PaymentNo", a
// whole-image file of 4 bytes, written through a temporary file as the tables are), so that
// the next one is proposed.

#include <string>

namespace kestrelon {

// The number after the last one kept: "1" when none is, and after 999999.
std::string nextPaymentNumber(const std::string& dataFolder);
// Keeps a written order's number (digits); throws IoError.
void rememberPaymentNumber(const std::string& dataFolder, const std::string& number);

} // namespace kestrelon
