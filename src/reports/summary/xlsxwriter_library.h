#pragma once
// libxlsxwriter, loaded when the first workbook is written: the functions the summary calls.

#include "store/shared_library.h"

#include <xlsxwriter.h>

namespace kestrelon {

#define KESTRELON_FROM(library, name)                                                              \
    decltype(&::name) name = library.function<decltype(::name)>(#name)

struct XlsxwriterLibrary {
    SharedLibrary library{KESTRELON_XLSXWRITER_SONAME};
    KESTRELON_FROM(library, workbook_new);
    KESTRELON_FROM(library, workbook_add_worksheet);
    KESTRELON_FROM(library, workbook_add_format);
    KESTRELON_FROM(library, format_set_num_format);
    KESTRELON_FROM(library, format_set_bold);
    KESTRELON_FROM(library, worksheet_write_string);
    KESTRELON_FROM(library, worksheet_write_number);
    KESTRELON_FROM(library, worksheet_write_formula_num);
    KESTRELON_FROM(library, worksheet_set_column);
    KESTRELON_FROM(library, workbook_close);
    KESTRELON_FROM(library, lxw_strerror);
};

#undef KESTRELON_FROM

// Loaded at the first call. Throws MissingLibrary.
const XlsxwriterLibrary& xlsxwriter();

} // namespace kestrelon
