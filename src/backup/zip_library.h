#pragma once
// libzip, loaded when the first backup is made or read: the functions the backups call.

#include "store/shared_library.h"

#include <zip.h>

namespace kestrelon {

#define KESTRELON_FROM(library, name)                                                              \
    decltype(&::name) name = library.function<decltype(::name)>(#name)

struct ZipLibrary {
    SharedLibrary library{KESTRELON_LIBZIP_SONAME};
    KESTRELON_FROM(library, zip_open);
    KESTRELON_FROM(library, zip_discard);
    KESTRELON_FROM(library, zip_error_init_with_code);
    KESTRELON_FROM(library, zip_error_strerror);
    KESTRELON_FROM(library, zip_error_fini);
    KESTRELON_FROM(library, zip_get_error);
    KESTRELON_FROM(library, zip_source_buffer);
    KESTRELON_FROM(library, zip_file_add);
    KESTRELON_FROM(library, zip_source_free);
    KESTRELON_FROM(library, zip_set_file_compression);
    KESTRELON_FROM(library, zip_set_archive_comment);
    KESTRELON_FROM(library, zip_close);
    KESTRELON_FROM(library, zip_get_num_entries);
    KESTRELON_FROM(library, zip_stat_init);
    KESTRELON_FROM(library, zip_stat_index);
    KESTRELON_FROM(library, zip_fopen_index);
    KESTRELON_FROM(library, zip_fread);
    KESTRELON_FROM(library, zip_file_get_error);
    KESTRELON_FROM(library, zip_error_code_zip);
    KESTRELON_FROM(library, zip_fclose);
    KESTRELON_FROM(library, zip_get_archive_comment);
};

#undef KESTRELON_FROM

// Loaded at the first call. Throws MissingLibrary.
const ZipLibrary& libzip();

} // namespace kestrelon
