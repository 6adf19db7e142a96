#include "schema_validation.h"

#include <libxml/parser.h>
#include <libxml/xmlschemas.h>

#include <cstdarg>
#include <cstdio>

namespace kestrelon::test {
namespace {

void collect(void* context, const char* format, ...) {
    auto* out = static_cast<std::string*>(context);
    char buffer[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    *out += buffer;
}

struct Schema {
    xmlSchemaPtr schema = nullptr;
    std::string errors;
    Schema() {
        const std::string path = exchangeDataPath("ON_NSCHFDOPPR_1_997_01_05_03_05.xsd");
        xmlSchemaParserCtxtPtr parser = xmlSchemaNewParserCtxt(path.c_str());
        xmlSchemaSetParserErrors(parser, collect, collect, &errors);
        schema = xmlSchemaParse(parser);
        xmlSchemaFreeParserCtxt(parser);
    }
    ~Schema() { xmlSchemaFree(schema); }
};

} // namespace

std::string exchangeDataPath(const std::string& name) {
    return std::string(KESTRELON_EXCHANGE_DATA) + "/" + name;
}

std::string updSchemaErrors(const std::string& bytes) {
    static Schema schema;
    if (schema.schema == nullptr) {
        return "the schema does not compile: " + schema.errors;
    }
    xmlDocPtr doc = xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), "upd.xml", nullptr,
                                  XML_PARSE_NONET);
    if (doc == nullptr) {
        return "not well-formed XML";
    }
    std::string errors;
    xmlSchemaValidCtxtPtr validation = xmlSchemaNewValidCtxt(schema.schema);
    xmlSchemaSetValidErrors(validation, collect, collect, &errors);
    const int result = xmlSchemaValidateDoc(validation, doc);
    xmlSchemaFreeValidCtxt(validation);
    xmlFreeDoc(doc);
    return result == 0 ? std::string() : (errors.empty() ? "invalid" : errors);
}

} // namespace kestrelon::test
