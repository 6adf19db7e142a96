#pragma once
// libxml2, loaded when the first .xlsx or .ods part is read: the reader functions called.

#include "store/shared_library.h"

#include <libxml/xmlreader.h>

#include <string>

namespace kestrelon {

struct XmlLibrary {
    SharedLibrary library{KESTRELON_XML2_SONAME};
    KESTRELON_LIBRARY_FUNCTION(library, xmlReaderForMemory);
    KESTRELON_LIBRARY_FUNCTION(library, xmlTextReaderSetStructuredErrorHandler);
    KESTRELON_LIBRARY_FUNCTION(library, xmlFreeTextReader);
    KESTRELON_LIBRARY_FUNCTION(library, xmlTextReaderRead);
    KESTRELON_LIBRARY_FUNCTION(library, xmlTextReaderNodeType);
    KESTRELON_LIBRARY_FUNCTION(library, xmlTextReaderIsEmptyElement);
    KESTRELON_LIBRARY_FUNCTION(library, xmlTextReaderDepth);
    KESTRELON_LIBRARY_FUNCTION(library, xmlTextReaderConstLocalName);
    KESTRELON_LIBRARY_FUNCTION(library, xmlTextReaderConstNamespaceUri);
    KESTRELON_LIBRARY_FUNCTION(library, xmlTextReaderConstValue);
    KESTRELON_LIBRARY_FUNCTION(library, xmlTextReaderMoveToFirstAttribute);
    KESTRELON_LIBRARY_FUNCTION(library, xmlTextReaderMoveToNextAttribute);
    KESTRELON_LIBRARY_FUNCTION(library, xmlTextReaderMoveToElement);
};

// Loaded at the first call. Throws MissingLibrary.
const XmlLibrary& libxml2();

// What a workbook's reader says when libxml2 is missing (cp1251).
std::string xmlLibraryMissingProblem(const MissingLibrary& missing);

} // namespace kestrelon
