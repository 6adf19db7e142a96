#include "xls_workbook.h"

#include "biff_records.h"
#include "store/cp1251.h"

#include "gsf_library.h"

#include <memory>
#include <optional>
#include <string>

namespace kestrelon {
namespace {

struct Unref {
    void operator()(void* object) const { gsf().g_object_unref(object); }
};
template <typename T> using Owned = std::unique_ptr<T, Unref>;

// libgsf tells the standard error what a damaged file breaks in it; the user is told in this
// reader's words instead, so the library's warnings are dropped while it reads.
class QuietLibrary {
public:
    QuietLibrary()
        : handler_(gsf().g_log_set_handler(
              kDomain, static_cast<GLogLevelFlags>(G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING),
              [](const gchar*, GLogLevelFlags, const gchar*, gpointer) {}, nullptr)) {}
    ~QuietLibrary() { gsf().g_log_remove_handler(kDomain, handler_); }
    QuietLibrary(const QuietLibrary&) = delete;
    QuietLibrary& operator=(const QuietLibrary&) = delete;

private:
    static constexpr const char* kDomain = "libgsf:msole";
    guint handler_;
};

// Excel 97 and later name the stream "Workbook", Excel 95 "Book"; a file for both versions
// holds both, and the newer is read. Names in a compound file are compared without case.
Owned<GsfInput> workbookStream(GsfInfile* file) {
    for (const char* wanted : {"Workbook", "Book"}) {
        for (int i = 0; i < gsf().gsf_infile_num_children(file); ++i) {
            const char* name = gsf().gsf_infile_name_by_index(file, i);
            if (name != nullptr && gsf().g_ascii_strcasecmp(name, wanted) == 0) {
                return Owned<GsfInput>(gsf().gsf_infile_child_by_index(file, i));
            }
        }
    }
    return nullptr;
}

// The stream's bytes; nullopt when the compound file cannot give them all. A stream is never
// longer than the file that holds it, whatever its directory entry claims.
std::optional<std::string> bytesOf(GsfInput* stream, std::size_t fileSize) {
    const gsf_off_t size = gsf().gsf_input_size(stream);
    if (size < 0 || static_cast<std::uint64_t>(size) > fileSize) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (size > 0 && gsf().gsf_input_read(stream, bytes.size(),
                                         reinterpret_cast<guint8*>(bytes.data())) == nullptr) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace

void readXlsWorkbook(std::string_view fileBytes, WorkbookCells& book) {
    try {
        gsf();
    } catch (const MissingLibrary& missing) {
        book.fail(utf8ToCp1251(std::string("файл .xls не прочитать: ") + missing.what()));
        return;
    }
    const QuietLibrary quiet;
    const Owned<GsfInput> input(
        gsf().gsf_input_memory_new(reinterpret_cast<const guint8*>(fileBytes.data()),
                                   static_cast<gsf_off_t>(fileBytes.size()), FALSE));
    GError* error = nullptr;
    const Owned<GsfInfile> file(gsf().gsf_infile_msole_new(input.get(), &error));
    if (file == nullptr) {
        const std::string said = error != nullptr ? utf8ToCp1251(error->message) : "";
        gsf().g_clear_error(&error);
        book.fail(damagedFileProblem("не открывается составной файл"_cp +
                                     (said.empty() ? "" : ": " + said)));
        return;
    }
    const Owned<GsfInput> stream = workbookStream(file.get());
    if (stream == nullptr) {
        book.fail("это составной файл, но в нем нет книги .xls"_cp);
        return;
    }
    const std::optional<std::string> bytes = bytesOf(stream.get(), fileBytes.size());
    if (!bytes) {
        book.fail(damagedFileProblem("поток книги не читается"_cp));
        return;
    }
    readBiffWorkbookStream(*bytes, book);
}

} // namespace kestrelon
