#pragma once
// libxlsxwriter, loaded when the first workbook is written: the functions the summary calls.

#include "store/shared_library.h"

#include <xlsxwriter.h>

namespace kestrelon {

struct XlsxwriterLibrary {
    SharedLibrary library{KESTRELON_XLSXWRITER_SONAME};
    KESTRELON_LIBRARY_FUNCTION(library, workbook_new);
    KESTRELON_LIBRARY_FUNCTION(library, workbook_add_worksheet);
    KESTRELON_LIBRARY_FUNCTION(library, workbook_add_format);
    KESTRELON_LIBRARY_FUNCTION(library, format_set_num_format);
    KESTRELON_LIBRARY_FUNCTION(library, format_set_bold);
    KESTRELON_LIBRARY_FUNCTION(library, worksheet_write_string);
    KESTRELON_LIBRARY_FUNCTION(library, worksheet_write_number);
    KESTRELON_LIBRARY_FUNCTION(library, worksheet_write_formula_num);
    KESTRELON_LIBRARY_FUNCTION(library, worksheet_set_column);
    KESTRELON_LIBRARY_FUNCTION(library, workbook_close);
    KESTRELON_LIBRARY_FUNCTION(library, lxw_strerror);
};

// Loaded at the first call. Throws MissingLibrary.
const XlsxwriterLibrary& xlsxwriter();

} // namespace kestrelon
