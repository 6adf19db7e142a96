#include "ods_workbook.h"

#include "ods_content.h"
#include "xml_library.h"
#include "zip_archive.h"

#include "store/cp1251.h"

#include <optional>
#include <string>

namespace kestrelon {

void readOdsWorkbook(std::string_view fileBytes, WorkbookCells& book) {
    try {
        // Every entry, not only the content: a file cut short or patched by hand is told as
        // damaged even where the damage lies in a part that holds no cell.
        const ZipArchive zip(fileBytes);
        zip.checkEveryEntry();
        const std::optional<std::string> content = zip.read("content.xml");
        if (!content) {
            book.fail(damagedFileProblem("нет части «content.xml»"_cp));
            return;
        }
        readOpenDocumentContent(*content, book);
    } catch (const DamagedFile& e) {
        book.fail(damagedFileProblem(e.what()));
    } catch (const MissingLibrary& missing) {
        book.fail(xmlLibraryMissingProblem(missing));
    }
}

} // namespace kestrelon
