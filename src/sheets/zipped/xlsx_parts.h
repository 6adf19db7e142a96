#pragma once
// The parts of an .xlsx workbook that its sheets lean on: the workbook part (the sheets and the
// date system), the shared texts and, of the styles, which cell formats show dates.

#include "xml_reader.h"

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

// A workbook too large to be a register; what() is the problem to tell, cp1251.
class NotARegister : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct WorkbookSheet {
    std::string name; // UTF-8
    std::string relationshipId;
};

struct WorkbookPart {
    std::vector<WorkbookSheet> sheets; // in the order of their tabs
    bool dateSystem1904 = false;
};

// DamagedFile when the part is no workbook.
WorkbookPart readWorkbookPart(std::string_view xml, std::string_view part);
// Whether the part's root is a workbook: how a zip is told to be an .xlsx.
bool isWorkbookPart(std::string_view xml, std::string_view part);

// The texts that cells of type "s" name by their number, cp1251.
std::vector<std::string> readSharedStrings(std::string_view xml, std::string_view part);

// For each cell format of the styles, whether it shows a number as a date.
std::vector<bool> readDateFormats(std::string_view xml, std::string_view part);

// From the start of a rich text (<si> or <is>): its text, cp1251, runs joined; the phonetic
// guide of East Asian texts is not part of it.
std::string readRichText(XmlReader& xml);

// A text as stored, cp1251: "_x000D_" and the like stand for characters XML cannot hold.
std::string spreadsheetText(std::string_view utf8);

} // namespace kestrelon
