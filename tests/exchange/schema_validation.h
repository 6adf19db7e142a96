#pragma once
// Documents checked against the tax service's own schema with libxml2, as `xmllint --schema`
// checks them.

#include <string>

namespace kestrelon::test {

// "" when the bytes are valid against the УПД 5.03 schema, else libxml2's messages.
std::string updSchemaErrors(const std::string& bytes);

// The data folder of the tests: the schema and the golden files.
std::string exchangeDataPath(const std::string& name);

} // namespace kestrelon::test
