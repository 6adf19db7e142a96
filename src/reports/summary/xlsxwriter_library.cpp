#include "xlsxwriter_library.h"

namespace kestrelon {

const XlsxwriterLibrary& xlsxwriter() {
    static const XlsxwriterLibrary library;
    return library;
}

} // namespace kestrelon
