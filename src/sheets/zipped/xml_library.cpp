#include "xml_library.h"

#include "store/cp1251.h"

namespace kestrelon {

const XmlLibrary& libxml2() {
    static const XmlLibrary library;
    return library;
}

std::string xmlLibraryMissingProblem(const MissingLibrary& missing) {
    return utf8ToCp1251(std::string("книгу не прочитать: ") + missing.what());
}

} // namespace kestrelon
