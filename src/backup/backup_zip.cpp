#include "backup_zip.h"

#include "zip_library.h"
#include <zlib.h>

#include <memory>
#include <set>

namespace kestrelon {
namespace {

struct ZipCloser {
    void operator()(zip_t* zip) const { libzip().zip_discard(zip); }
};
using Zip = std::unique_ptr<zip_t, ZipCloser>;

struct FileCloser {
    void operator()(zip_file_t* file) const { libzip().zip_fclose(file); }
};

std::string libzipWords(int code) {
    zip_error_t error;
    libzip().zip_error_init_with_code(&error, code);
    std::string words = libzip().zip_error_strerror(&error);
    libzip().zip_error_fini(&error);
    return words;
}

std::string lastWords(zip_t* zip) {
    return libzip().zip_error_strerror(libzip().zip_get_error(zip));
}

Zip openZip(const std::string& path, int flags) {
    int code = 0;
    zip_t* zip = libzip().zip_open(path.c_str(), flags, &code);
    if (zip == nullptr) {
        throw BackupProblem("архив не открывается: " + libzipWords(code));
    }
    return Zip(zip);
}

std::uint32_t crcOf(const std::string& bytes) {
    return static_cast<std::uint32_t>(crc32(crc32(0, nullptr, 0),
                                            reinterpret_cast<const Bytef*>(bytes.data()),
                                            static_cast<uInt>(bytes.size())));
}

// The library loaded, or the reason it cannot be as the backup's problem.
void needLibzip() {
    try {
        libzip();
    } catch (const MissingLibrary& missing) {
        throw BackupProblem(missing.what());
    }
}

} // namespace

void writeBackupZip(const std::string& path, const std::vector<NamedBytes>& files,
                    const std::string& comment) {
    needLibzip();
    Zip zip = openZip(path, ZIP_CREATE | ZIP_TRUNCATE);
    for (const NamedBytes& file : files) {
        zip_source_t* source =
            libzip().zip_source_buffer(zip.get(), file.bytes.data(), file.bytes.size(), 0);
        if (source == nullptr) {
            throw BackupProblem("«" + file.name + "»: " + lastWords(zip.get()));
        }
        const zip_int64_t index =
            libzip().zip_file_add(zip.get(), file.name.c_str(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            libzip().zip_source_free(source);
            throw BackupProblem("«" + file.name + "»: " + lastWords(zip.get()));
        }
        // Reports are mostly empty rows: the fastest deflate packs them well.
        libzip().zip_set_file_compression(zip.get(), static_cast<zip_uint64_t>(index),
                                          ZIP_CM_DEFLATE, 1);
    }
    libzip().zip_set_archive_comment(zip.get(), comment.c_str(),
                                     static_cast<zip_uint16_t>(comment.size()));
    zip_t* raw = zip.release();
    if (libzip().zip_close(raw) != 0) {
        const std::string words = lastWords(raw);
        libzip().zip_discard(raw);
        throw BackupProblem("архив не записан: " + words);
    }
}

BackupRead readBackupZip(const std::string& path) {
    needLibzip();
    Zip zip = openZip(path, ZIP_RDONLY | ZIP_CHECKCONS);
    const zip_int64_t count = libzip().zip_get_num_entries(zip.get(), 0);
    if (count < 0 || static_cast<std::uint64_t>(count) > kMostBackupEntries) {
        throw BackupProblem("в архиве " + std::to_string(count) + " частей — это не копия");
    }
    BackupRead read;
    std::set<std::string> names;
    std::uint64_t total = 0;
    for (zip_uint64_t i = 0; i < static_cast<zip_uint64_t>(count); ++i) {
        zip_stat_t stat;
        libzip().zip_stat_init(&stat);
        if (libzip().zip_stat_index(zip.get(), i, 0, &stat) != 0) {
            throw BackupProblem("часть " + std::to_string(i + 1) + ": " + lastWords(zip.get()));
        }
        const std::string name = stat.name != nullptr ? stat.name : "";
        // Only a data folder's own files, each once: never a path that leads elsewhere.
        if (!belongsInBackup(name)) {
            throw BackupProblem("часть «" + name + "» — не файл папки данных");
        }
        if (!names.insert(name).second) {
            throw BackupProblem("часть «" + name + "» записана дважды");
        }
        total += stat.size;
        if (stat.size > kMostBackupEntryBytes || total > kMostBackupBytes) {
            throw BackupProblem("часть «" + name + "» распаковалась бы в " +
                                std::to_string(stat.size) + " байт — это не копия папки данных");
        }
        std::unique_ptr<zip_file_t, FileCloser> file(libzip().zip_fopen_index(zip.get(), i, 0));
        if (!file) {
            throw BackupProblem("часть «" + name + "»: " + lastWords(zip.get()));
        }
        std::string bytes(static_cast<std::size_t>(stat.size), '\0');
        const zip_int64_t got = libzip().zip_fread(file.get(), bytes.data(), stat.size);
        char extra = 0;
        if (got != static_cast<zip_int64_t>(stat.size) ||
            libzip().zip_fread(file.get(), &extra, 1) != 0) {
            zip_error_t* error = libzip().zip_file_get_error(file.get());
            throw BackupProblem("часть «" + name + "» не читается целиком: " +
                                (libzip().zip_error_code_zip(error) == ZIP_ER_OK
                                     ? std::string("данные обрываются или повреждены")
                                     : std::string(libzip().zip_error_strerror(error))));
        }
        if ((stat.valid & ZIP_STAT_CRC) == 0 || crcOf(bytes) != stat.crc) {
            throw BackupProblem("часть «" + name + "» не сходится с контрольной суммой");
        }
        read.files.push_back({name, std::move(bytes)});
    }
    int length = 0;
    const char* comment = libzip().zip_get_archive_comment(zip.get(), &length, ZIP_FL_ENC_RAW);
    if (comment != nullptr && length > 0) {
        read.comment.assign(comment, static_cast<std::size_t>(length));
    }
    return read;
}

std::string backupComment(const std::string& path) {
    try {
        libzip();
    } catch (const MissingLibrary&) {
        return {};
    }
    int code = 0;
    Zip zip(libzip().zip_open(path.c_str(), ZIP_RDONLY, &code));
    if (!zip) {
        return {};
    }
    int length = 0;
    const char* comment = libzip().zip_get_archive_comment(zip.get(), &length, ZIP_FL_ENC_RAW);
    return comment != nullptr && length > 0 ? std::string(comment, static_cast<std::size_t>(length))
                                            : std::string();
}

} // namespace kestrelon
