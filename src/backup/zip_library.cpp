#include "zip_library.h"

namespace kestrelon {

const ZipLibrary& libzip() {
    static const ZipLibrary library;
    return library;
}

} // namespace kestrelon
