#include "gsf_library.h"

namespace kestrelon {

const GsfLibrary& gsf() {
    static const GsfLibrary library;
    return library;
}

} // namespace kestrelon
