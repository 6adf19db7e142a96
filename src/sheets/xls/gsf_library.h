#pragma once
// libgsf, the reader of compound files, loaded when the first .xls file is read: the functions
// the .xls reader calls, and the GLib functions that come with it.

#include "store/shared_library.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-input.h>

namespace kestrelon {

struct GsfLibrary {
    SharedLibrary library{KESTRELON_GSF_SONAME};
    KESTRELON_LIBRARY_FUNCTION(library, g_object_unref);
    KESTRELON_LIBRARY_FUNCTION(library, g_log_set_handler);
    KESTRELON_LIBRARY_FUNCTION(library, g_log_remove_handler);
    KESTRELON_LIBRARY_FUNCTION(library, g_clear_error);
    KESTRELON_LIBRARY_FUNCTION(library, g_ascii_strcasecmp);
    KESTRELON_LIBRARY_FUNCTION(library, gsf_input_memory_new);
    KESTRELON_LIBRARY_FUNCTION(library, gsf_infile_msole_new);
    KESTRELON_LIBRARY_FUNCTION(library, gsf_infile_num_children);
    KESTRELON_LIBRARY_FUNCTION(library, gsf_infile_name_by_index);
    KESTRELON_LIBRARY_FUNCTION(library, gsf_infile_child_by_index);
    KESTRELON_LIBRARY_FUNCTION(library, gsf_input_size);
    KESTRELON_LIBRARY_FUNCTION(library, gsf_input_read);
};

// Loaded at the first call. Throws MissingLibrary.
const GsfLibrary& gsf();

} // namespace kestrelon
