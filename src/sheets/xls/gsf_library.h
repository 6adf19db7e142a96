#pragma once
// libgsf, the reader of compound files, loaded when the first .xls file is read: the functions
// the .xls reader calls, and the GLib functions that come with it.

#include "store/shared_library.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-input.h>

namespace kestrelon {

#define KESTRELON_FROM(library, name)                                                              \
    decltype(&::name) name = library.function<decltype(::name)>(#name)

struct GsfLibrary {
    SharedLibrary library{KESTRELON_GSF_SONAME};
    KESTRELON_FROM(library, g_object_unref);
    KESTRELON_FROM(library, g_log_set_handler);
    KESTRELON_FROM(library, g_log_remove_handler);
    KESTRELON_FROM(library, g_clear_error);
    KESTRELON_FROM(library, g_ascii_strcasecmp);
    KESTRELON_FROM(library, gsf_input_memory_new);
    KESTRELON_FROM(library, gsf_infile_msole_new);
    KESTRELON_FROM(library, gsf_infile_num_children);
    KESTRELON_FROM(library, gsf_infile_name_by_index);
    KESTRELON_FROM(library, gsf_infile_child_by_index);
    KESTRELON_FROM(library, gsf_input_size);
    KESTRELON_FROM(library, gsf_input_read);
};

#undef KESTRELON_FROM

// Loaded at the first call. Throws MissingLibrary.
const GsfLibrary& gsf();

} // namespace kestrelon
