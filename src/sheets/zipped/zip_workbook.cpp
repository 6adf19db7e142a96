#include "zip_workbook.h"

#include "xlsx_package.h"
#include "xlsx_parts.h"
#include "xml_library.h"
#include "xml_reader.h"
#include "zip_archive.h"

#include <string>

namespace kestrelon {
namespace {

constexpr std::string_view kOdsMediaType = "application/vnd.oasis.opendocument.spreadsheet";
constexpr std::string_view kManifestNs = "urn:oasis:names:tc:opendocument:xmlns:manifest:1.0";
constexpr std::string_view kManifest = "META-INF/manifest.xml";

struct Manifest {
    std::string mediaType; // of the document as a whole
    bool encrypted = false;
};

Manifest readManifest(const ZipArchive& zip) {
    Manifest manifest;
    const std::optional<std::string> xml = zip.read(kManifest);
    if (!xml) {
        return manifest;
    }
    XmlReader reader(*xml, kManifest);
    while (reader.read()) {
        if (reader.node() != XmlReader::Node::Start || reader.namespaceUri() != kManifestNs) {
            continue;
        }
        if (reader.localName() == "file-entry" &&
            reader.attribute("full-path", kManifestNs) == "/") {
            manifest.mediaType = reader.attribute("media-type", kManifestNs).value_or("");
        }
        manifest.encrypted = manifest.encrypted || reader.localName() == "encryption-data";
    }
    return manifest;
}

// The "mimetype" entry says what an OpenDocument file is, else its manifest does. A damaged
// one still makes the file an OpenDocument file, so that its reader says what is wrong.
bool isOpenDocumentSpreadsheet(const ZipArchive& zip) {
    try {
        const std::optional<std::string> mimetype = zip.read("mimetype");
        if (mimetype) {
            return mimetype->starts_with(kOdsMediaType);
        }
        return readManifest(zip).mediaType.starts_with(kOdsMediaType);
    } catch (const DamagedFile&) {
        return zip.find("mimetype") != nullptr || zip.find(kManifest) != nullptr;
    }
}

// The workbook part's root says whether a package is a spreadsheet rather than a text or a
// presentation. A package whose parts cannot be read is taken for a workbook, so that its
// reader says what is wrong.
bool isOfficeOpenXmlWorkbook(const ZipArchive& zip) {
    try {
        const std::string name = workbookPartName(zip);
        const ZipEntry* workbook = findPart(zip, name);
        return workbook != nullptr && isWorkbookPart(zip.read(*workbook), name);
    } catch (const DamagedFile&) {
        return true;
    }
}

} // namespace

ZipWorkbook zipWorkbookKind(std::string_view fileBytes) {
    try {
        const ZipArchive zip(fileBytes);
        if (isOpenDocumentSpreadsheet(zip)) {
            return ZipWorkbook::OpenDocument;
        }
        if (zip.find("[Content_Types].xml") == nullptr && zip.find("_rels/.rels") == nullptr) {
            return ZipWorkbook::None;
        }
        return isOfficeOpenXmlWorkbook(zip) ? ZipWorkbook::OfficeOpenXml : ZipWorkbook::None;
    } catch (const DamagedFile&) {
        return ZipWorkbook::Damaged;
    } catch (const MissingLibrary&) {
        // Which workbook it is cannot be read without libxml2; its reader says what is missing.
        return ZipWorkbook::OfficeOpenXml;
    }
}

bool isEncryptedOpenDocument(std::string_view fileBytes) {
    try {
        return readManifest(ZipArchive(fileBytes)).encrypted;
    } catch (const DamagedFile&) {
        return false;
    } catch (const MissingLibrary&) {
        return false;
    }
}

} // namespace kestrelon
