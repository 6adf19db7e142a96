#pragma once
// The register files the file readers are tested on (tests/reports/register/register_files) and the
// text a paste of their sheet gives.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace kestrelon {

// The bytes of the file at `name`, relative to register_files.
inline std::string registerFixture(const std::string& name) {
    std::ifstream file(std::string(KESTRELON_REGISTER_FILES) + "/" + name, std::ios::binary);
    EXPECT_TRUE(file.is_open()) << "no fixture " << name;
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// What a paste of the fixtures' sheet from a spreadsheet program gives, in UTF-8.
inline const std::string kPastedRegister =
    "Invoices register for 12345678\t\t\t\t\t\t\t\t\t\n"
    "AGENT_CUSTNO\tCLIENT_CUSTNO\tCLIENT_CUSTNAME\tINVOICE\tINVOICE_DATE\tINVOICE_DUE\t"
    "INVOICE_TAX\tINVOICE_SUMM\tSTATE\tSTATE_DATE\n"
    "10000001\t00020001\tООО \"Ромашка\"\t1234567890123\t15.03.2013\t1000\t180\t1180\tОплачен\t"
    "20.03.2013\n"
    "10000001\t00020002\tИП Петров; филиал «Север»\t1234567890124\t16.03.2013\t1234.56\t222.22\t"
    "1456.78\tВыставлен\t25.03.2013\n"
    "10000001\t00020003\tАО \"Связь\" (бывш. \"Плюс\")\t1234567890125\t17.03.2013\t99.9\t17.98\t"
    "117.88\tОплачен\t31.03.2013";

} // namespace kestrelon
