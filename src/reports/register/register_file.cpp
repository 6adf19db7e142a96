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

#include <algorithm>
#include <cctype>
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

// ".xlsx" or ".ods" when the name ends so (in either case): such a file is a zip archive.
std::string_view zippedBookExtension(std::string_view fileName) {
    for (std::string_view extension : {std::string_view(".xlsx"), std::string_view(".ods")}) {
        if (fileName.size() >= extension.size() &&
            std::equal(
                extension.begin(), extension.end(),
                fileName.end() - static_cast<std::ptrdiff_t>(extension.size()),
                [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); })) {
            return extension;
        }
    }
    return {};
}

// A file read without a fault may still hold nothing: an empty text area would then take the
// place of a register pasted there before.
SheetText withCells(SheetText read, std::string_view fileName) {
    if (read.ok() && read.text.find_first_not_of("\t\r\n ") == std::string::npos) {
        return {{}, aboutFile(fileName, "в файле нет ни одной заполненной ячейки"_cp)};
    }
    return read;
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
    if (fileBytes.empty()) {
        return {{}, aboutFile(fileName, "файл пуст (0 байт)"_cp)};
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
        return withCells(fromBook(book, fileName), fileName);
    }
    if (fileBytes.starts_with(kCompoundFileSignature)) {
        if (fileBytes.find(kEncryptedPackage) != std::string_view::npos) {
            book.fail(passwordProblem());
        } else {
            readXlsWorkbook(fileBytes, book);
        }
        return withCells(fromBook(book, fileName), fileName);
    }
    // Anything else is read as text, which a book by its name is not: read so, a damaged or
    // misnamed book would give lines of noise, or nothing, without a word.
    if (const std::string_view extension = zippedBookExtension(fileName); !extension.empty()) {
        return {{},
                aboutFile(fileName, "по имени это книга "_cp + std::string(extension) +
                                        ", но это не книга (нет архива zip внутри): "
                                        "файл поврежден или это текст под чужим именем"_cp)};
    }
    if (isSylk(fileBytes)) {
        return withCells(naming(registerTextFromSylk(fileBytes), fileName), fileName);
    }
    if (!looksLikeText(fileBytes)) {
        return {{},
                aboutFile(fileName, "это не таблица. Откройте реестр в файле .slk, .xlsx, "
                                    ".xls, .ods или .csv"_cp)};
    }
    readCsv(fileBytes, book);
    return withCells(fromBook(book, fileName), fileName);
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
