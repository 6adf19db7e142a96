#pragma once
// How the parts of an .xlsx workbook find each other: relationship parts beside the parts they
// belong to, whose targets are relative to their part ("worksheets/sheet1.xml", "../x.xml") or
// to the package ("/xl/worksheets/sheet1.xml", as some libraries write them).

#include "xml_reader.h"
#include "zip_archive.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

// Both the usual namespace of the workbook's parts and that of the strict variant.
bool isSpreadsheetMl(const XmlReader& xml);
bool isSpreadsheetMl(const XmlReader& xml, std::string_view localName);
// The namespaces of the attribute r:id.
inline constexpr std::string_view kRelationshipsNs =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
inline constexpr std::string_view kStrictRelationshipsNs =
    "http://purl.oclc.org/ooxml/officeDocument/relationships";

struct Relationship {
    std::string id;
    std::string type;   // the last word of its type: "worksheet", "styles", "officeDocument"
    std::string target; // the entry's name in the zip
};

// The entry a target names, seen from the part `source` ("" for the package itself).
std::string resolveTarget(std::string_view source, std::string_view target);

// The relationships of `part`; none when it has no relationship part. Targets outside the
// package (hyperlinks and such) are left out.
std::vector<Relationship> readRelationships(const ZipArchive& zip, std::string_view part);

// The first relationship of that type, or of that id.
const Relationship* relationshipOfType(const std::vector<Relationship>& all, std::string_view type);
const Relationship* relationshipWithId(const std::vector<Relationship>& all, std::string_view id);

// The workbook part: the package's officeDocument relationship names it; packages without
// one keep it where spreadsheet programs do.
std::string workbookPartName(const ZipArchive& zip);

// An entry by its part name; zip entries of a package are named without regard to case.
const ZipEntry* findPart(const ZipArchive& zip, std::string_view name);
// The part's bytes; DamagedFile when the package lacks it.
std::string readPart(const ZipArchive& zip, std::string_view name);

} // namespace kestrelon
