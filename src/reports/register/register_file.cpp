#include "register_file.h"

#include "sheets/classic_locale_scope.h"
#include "sheets/csv_sheet.h"
#include "sheets/isolated_read.h"
#include "sheets/sylk_reader.h"
#include "sheets/sylk_text.h"
#include "sheets/workbook_cells.h"
#include "sheets/xls/xls_workbook.h"
#include "sheets/zipped/ods_workbook.h"
#include "sheets/zipped/xlsx_workbook.h"
#include "sheets/zipped/zip_workbook.h"
#include "store/cp1251.h"

#include <string>

namespace kestrelon {
namespace {

constexpr std::string_view kZipSignature = "PK\x03\x04";
constexpr std::string_view kCompoundFileSignature = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
// An encrypted .xlsx or .ods file is a compound file holding this stream, named in UTF-16.
constexpr std::string_view kEncryptedPackage{"E\0n\0c\0r\0y\0p\0t\0e\0d\0P\0a\0c\0k\0a\0g\0e\0",
                                             32};

std::string aboutFile(std::string_view fileName, const std::string& problem) {
    return "Файл «"_cp + std::string(fileName) + "»: "_cp + problem;
}

SheetText naming(SheetText read, std::string_view fileName) {
    if (!read.ok()) {
        read.message = aboutFile(fileName, read.message);
    }
    return read;
}

SheetText fromBook(const WorkbookCells& book, std::string_view fileName) {
    return naming(book.registerText(), fileName);
}

bool isSylk(std::string_view fileBytes) {
    if (fileBytes.starts_with(kUtf8ByteOrderMark)) {
        fileBytes.remove_prefix(kUtf8ByteOrderMark.size());
    }
    return fileBytes.starts_with("ID;");
}

} // namespace

std::string registerFileTooLarge(std::string_view fileName) {
    return aboutFile(fileName, "файл больше 64 МБ; реестр такого размера не бывает"_cp);
}

SheetText registerTextFromFile(std::string_view fileBytes, std::string_view fileName) {
    const ClassicLocaleScope numbersAsWritten;
    if (fileBytes.size() > kMaxRegisterFileBytes) {
        return {{}, registerFileTooLarge(fileName)};
    }
    WorkbookCells book;
    if (fileBytes.starts_with(kZipSignature)) {
        const ZipWorkbook kind = zipWorkbookKind(fileBytes);
        if (kind == ZipWorkbook::None) {
            book.fail("это архив zip, но в нем нет книги .xlsx или .ods"_cp);
        } else if (kind == ZipWorkbook::Damaged) {
            book.fail(damagedFileProblem());
        } else if (kind == ZipWorkbook::OpenDocument && isEncryptedOpenDocument(fileBytes)) {
            book.fail(passwordProblem());
        } else if (kind == ZipWorkbook::OpenDocument) {
            readOdsWorkbook(fileBytes, book);
        } else {
            readXlsxWorkbook(fileBytes, book);
        }
        return fromBook(book, fileName);
    }
    if (fileBytes.starts_with(kCompoundFileSignature)) {
        if (fileBytes.find(kEncryptedPackage) != std::string_view::npos) {
            book.fail(passwordProblem());
        } else {
            readXlsWorkbook(fileBytes, book);
        }
        return fromBook(book, fileName);
    }
    if (isSylk(fileBytes)) {
        return naming(registerTextFromSylk(fileBytes), fileName);
    }
    if (!looksLikeText(fileBytes)) {
        return {{},
                aboutFile(fileName, "это не таблица. Откройте реестр в файле .slk, .xlsx, "
                                    ".xls, .ods или .csv"_cp)};
    }
    readCsv(fileBytes, book);
    return fromBook(book, fileName);
}

SheetText registerTextInChildProcess(std::string_view fileBytes, std::string_view fileName) {
    const IsolatedRead read =
        readIsolated([&] { return registerTextFromFile(fileBytes, fileName); });
    if (!read.stopped.empty()) {
        return {{}, aboutFile(fileName, damagedFileProblem(read.stopped))};
    }
    return read.result;
}

} // namespace kestrelon
