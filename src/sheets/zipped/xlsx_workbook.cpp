#include "xlsx_workbook.h"

#include "store/cp1251.h"
#include "xlsx_package.h"
#include "xlsx_parts.h"
#include "xlsx_sheet.h"
#include "xml_library.h"
#include "zip_archive.h"

#include <optional>
#include <string>
#include <vector>

namespace kestrelon {
namespace {

// The part of each sheet of the workbook, none for sheets that hold no cells (charts).
std::vector<std::optional<std::string>> sheetParts(const WorkbookPart& workbook,
                                                   const std::vector<Relationship>& relationships) {
    std::vector<std::optional<std::string>> parts;
    for (const WorkbookSheet& sheet : workbook.sheets) {
        const Relationship* found = relationshipWithId(relationships, sheet.relationshipId);
        if (found == nullptr) {
            throw DamagedFile("в книге не найден лист «"_cp + utf8ToCp1251(sheet.name) + "»"_cp);
        }
        parts.push_back(found->type == "worksheet" ? std::optional(found->target) : std::nullopt);
    }
    return parts;
}

void readWorkbook(const ZipArchive& zip, WorkbookCells& book) {
    const std::string name = workbookPartName(zip);
    const WorkbookPart workbook = readWorkbookPart(readPart(zip, name), name);
    const std::vector<Relationship> relationships = readRelationships(zip, name);
    const std::vector<std::optional<std::string>> parts = sheetParts(workbook, relationships);
    if (workbook.dateSystem1904) {
        book.useDateSystem1904();
    }
    for (const WorkbookSheet& sheet : workbook.sheets) {
        book.addSheet(utf8ToCp1251(sheet.name));
    }
    if (const Relationship* styles = relationshipOfType(relationships, "styles")) {
        book.setDateFormats(readDateFormats(readPart(zip, styles->target), styles->target));
    }
    std::vector<std::string> sharedStrings;
    if (const Relationship* texts = relationshipOfType(relationships, "sharedStrings")) {
        sharedStrings = readSharedStrings(readPart(zip, texts->target), texts->target);
    }
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (parts[i]) {
            readSheetCells(readPart(zip, *parts[i]), *parts[i], i, sharedStrings, book);
        }
    }
}

} // namespace

void readXlsxWorkbook(std::string_view fileBytes, WorkbookCells& book) {
    try {
        // Every entry, as for .ods: damage in a part that holds no cell is damage all the same.
        const ZipArchive zip(fileBytes);
        zip.checkEveryEntry();
        readWorkbook(zip, book);
    } catch (const DamagedFile& e) {
        book.fail(damagedFileProblem(e.what()));
    } catch (const NotARegister& e) {
        book.fail(e.what());
    } catch (const MissingLibrary& missing) {
        book.fail(xmlLibraryMissingProblem(missing));
    }
}

} // namespace kestrelon
