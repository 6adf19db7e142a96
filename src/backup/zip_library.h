#pragma once
// libzip, loaded when the first backup is made or read: the functions the backups call.

#include "store/shared_library.h"

#include <zip.h>

namespace kestrelon {

struct ZipLibrary {
    SharedLibrary library{KESTRELON_LIBZIP_SONAME};
    KESTRELON_LIBRARY_FUNCTION(library, zip_open);
    KESTRELON_LIBRARY_FUNCTION(library, zip_discard);
    KESTRELON_LIBRARY_FUNCTION(library, zip_error_init_with_code);
    KESTRELON_LIBRARY_FUNCTION(library, zip_error_strerror);
    KESTRELON_LIBRARY_FUNCTION(library, zip_error_fini);
    KESTRELON_LIBRARY_FUNCTION(library, zip_get_error);
    KESTRELON_LIBRARY_FUNCTION(library, zip_source_buffer);
    KESTRELON_LIBRARY_FUNCTION(library, zip_file_add);
    KESTRELON_LIBRARY_FUNCTION(library, zip_source_free);
    KESTRELON_LIBRARY_FUNCTION(library, zip_set_file_compression);
    KESTRELON_LIBRARY_FUNCTION(library, zip_set_archive_comment);
    KESTRELON_LIBRARY_FUNCTION(library, zip_close);
    KESTRELON_LIBRARY_FUNCTION(library, zip_get_num_entries);
    KESTRELON_LIBRARY_FUNCTION(library, zip_stat_init);
    KESTRELON_LIBRARY_FUNCTION(library, zip_stat_index);
    KESTRELON_LIBRARY_FUNCTION(library, zip_fopen_index);
    KESTRELON_LIBRARY_FUNCTION(library, zip_fread);
    KESTRELON_LIBRARY_FUNCTION(library, zip_file_get_error);
    KESTRELON_LIBRARY_FUNCTION(library, zip_error_code_zip);
    KESTRELON_LIBRARY_FUNCTION(library, zip_fclose);
    KESTRELON_LIBRARY_FUNCTION(library, zip_get_archive_comment);
};

// Loaded at the first call. Throws MissingLibrary.
const ZipLibrary& libzip();

} // namespace kestrelon
