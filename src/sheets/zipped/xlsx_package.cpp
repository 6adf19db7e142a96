#include "xlsx_package.h"

#include "store/cp1251.h"

#include <algorithm>
#include <cctype>

namespace kestrelon {
namespace {

constexpr std::string_view kMainNs = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr std::string_view kStrictMainNs = "http://purl.oclc.org/ooxml/spreadsheetml/main";
constexpr std::string_view kPackageRelationshipsNs =
    "http://schemas.openxmlformats.org/package/2006/relationships";

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

// Targets are URIs: a space in a part's name is written "%20".
std::string percentDecoded(std::string_view uri) {
    std::string decoded;
    for (std::size_t i = 0; i < uri.size(); ++i) {
        if (uri[i] == '%' && i + 2 < uri.size() && hexDigit(uri[i + 1]) >= 0 &&
            hexDigit(uri[i + 2]) >= 0) {
            decoded += static_cast<char>(hexDigit(uri[i + 1]) * 16 + hexDigit(uri[i + 2]));
            i += 2;
        } else {
            decoded += uri[i];
        }
    }
    return decoded;
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// "xl/workbook.xml" keeps its relationships in "xl/_rels/workbook.xml.rels", the package in
// "_rels/.rels".
std::string relationshipsPart(std::string_view part) {
    const std::size_t slash = part.rfind('/');
    const std::size_t file = slash == std::string_view::npos ? 0 : slash + 1;
    return std::string(part.substr(0, file)) + "_rels/" + std::string(part.substr(file)) + ".rels";
}

} // namespace

bool isSpreadsheetMl(const XmlReader& xml) {
    return xml.namespaceUri() == kMainNs || xml.namespaceUri() == kStrictMainNs;
}

bool isSpreadsheetMl(const XmlReader& xml, std::string_view localName) {
    return xml.localName() == localName && isSpreadsheetMl(xml);
}

std::string resolveTarget(std::string_view source, std::string_view target) {
    std::string path = percentDecoded(target.substr(0, target.find('#')));
    if (path.starts_with('/')) {
        path.erase(0, 1);
    } else {
        const std::size_t slash = source.rfind('/');
        path.insert(0, slash == std::string_view::npos ? "" : source.substr(0, slash + 1));
    }
    std::vector<std::string> segments;
    for (std::size_t start = 0; start <= path.size();) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string segment = path.substr(start, end - start);
        if (segment == "..") {
            if (!segments.empty()) {
                segments.pop_back();
            }
        } else if (!segment.empty() && segment != ".") {
            segments.push_back(segment);
        }
        start = end + 1;
    }
    std::string resolved;
    for (const std::string& segment : segments) {
        resolved += (resolved.empty() ? "" : "/") + segment;
    }
    return resolved;
}

std::vector<Relationship> readRelationships(const ZipArchive& zip, std::string_view part) {
    std::vector<Relationship> all;
    const std::string name = relationshipsPart(part);
    const ZipEntry* entry = findPart(zip, name);
    if (entry == nullptr) {
        return all;
    }
    const std::string xml = zip.read(*entry);
    XmlReader reader(xml, name);
    while (reader.read()) {
        if (reader.node() != XmlReader::Node::Start || reader.localName() != "Relationship" ||
            reader.namespaceUri() != kPackageRelationshipsNs ||
            reader.attribute("TargetMode") == "External") {
            continue;
        }
        const std::string type = reader.attribute("Type").value_or("");
        all.push_back({reader.attribute("Id").value_or(""), type.substr(type.rfind('/') + 1),
                       resolveTarget(part, reader.attribute("Target").value_or(""))});
    }
    return all;
}

const Relationship* relationshipOfType(const std::vector<Relationship>& all,
                                       std::string_view type) {
    const auto found =
        std::find_if(all.begin(), all.end(), [&](const Relationship& r) { return r.type == type; });
    return found == all.end() ? nullptr : &*found;
}

const Relationship* relationshipWithId(const std::vector<Relationship>& all, std::string_view id) {
    const auto found =
        std::find_if(all.begin(), all.end(), [&](const Relationship& r) { return r.id == id; });
    return found == all.end() ? nullptr : &*found;
}

std::string workbookPartName(const ZipArchive& zip) {
    const std::vector<Relationship> package = readRelationships(zip, "");
    const Relationship* workbook = relationshipOfType(package, "officeDocument");
    return workbook ? workbook->target : "xl/workbook.xml";
}

const ZipEntry* findPart(const ZipArchive& zip, std::string_view name) {
    if (const ZipEntry* exact = zip.find(name)) {
        return exact;
    }
    for (const ZipEntry& entry : zip.entries()) {
        if (sameIgnoringCase(entry.name, name)) {
            return &entry;
        }
    }
    return nullptr;
}

std::string readPart(const ZipArchive& zip, std::string_view name) {
    const ZipEntry* entry = findPart(zip, name);
    if (entry == nullptr) {
        throw DamagedFile("нет части «"_cp + utf8ToCp1251(name) + "»"_cp);
    }
    return zip.read(*entry);
}

} // namespace kestrelon
