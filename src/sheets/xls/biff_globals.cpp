#include "biff_globals.h"

#include "store/cp1251.h"

#include <utility>

namespace kestrelon::biff {
namespace {

constexpr std::uint16_t kBiff5 = 0x0500; // Excel 95 writes BIFF7 with the same version
constexpr std::uint16_t kGlobalsSubstream = 0x0005;
constexpr std::uint8_t kWorksheetType = 0; // of BOUNDSHEET; also dialog sheets, which hold cells
// A workbook of more sheets than this is not one a person keeps: a hostile file is stopped
// before every sheet's empty table costs memory.
constexpr std::size_t kMaxSheets = 10000;

void globalRecord(const Record& r, RecordReader& records, WorkbookGlobals& globals,
                  WorkbookCells& book) {
    switch (r.id) {
    case record::kFilePass:
        book.fail(passwordProblem());
        break;
    case record::kCodePage:
        need(r.body, 2, r.id);
        globals.codePage = u16(r.body, 0);
        break;
    case record::kDateMode:
        need(r.body, 2, r.id);
        globals.date1904 = u16(r.body, 0) == 1;
        break;
    case record::kRecalcId:
        globals.calculated = true;
        break;
    case record::kFormat:
        need(r.body, 2, r.id);
        globals.formats.addFormat(u16(r.body, 0), globals.textAt(r, 2, globals.biff8 ? 2 : 1));
        break;
    case record::kXf:
        need(r.body, 4, r.id);
        globals.formats.addXf(u16(r.body, 2));
        break;
    case record::kBoundSheet:
        // The place of the sheet's BOF, its visibility, its type, its name.
        need(r.body, 6, r.id);
        if (globals.sheets.size() == kMaxSheets) {
            throw Damaged("в книге больше "_cp + std::to_string(kMaxSheets) + " листов"_cp);
        }
        globals.sheets.push_back(
            {u32(r.body, 0), globals.textAt(r, 6, 1), u8(r.body, 5) == kWorksheetType});
        break;
    case record::kSst:
        if (globals.biff8) {
            ContinuedBytes bytes(r.id, r.body, &records);
            globals.strings.read(bytes);
        }
        break;
    default:
        break;
    }
}

} // namespace

std::string WorkbookGlobals::textAt(const Record& r, std::size_t at, std::size_t countBytes,
                                    RecordReader* more) const {
    need(r.body, at + countBytes, r.id);
    if (biff8) {
        ContinuedBytes bytes(r.id, r.body.substr(at), more);
        std::string text;
        bytes.unicodeString(countBytes, text);
        return text;
    }
    const std::size_t size = countBytes == 1 ? u8(r.body, at) : u16(r.body, at);
    need(r.body, at + countBytes + size, r.id);
    return byteString(r.body.substr(at + countBytes, size), codePage);
}

WorkbookGlobals readGlobals(RecordReader& records, WorkbookCells& book) {
    if (records.peekId() != record::kBof) {
        throw Damaged("поток книги не начинается с записи BOF"_cp);
    }
    const Record bof = records.next();
    need(bof.body, 4, bof.id);
    if (u16(bof.body, 2) != kGlobalsSubstream) {
        throw Damaged("поток книги не начинается с ее общей части"_cp);
    }
    WorkbookGlobals globals;
    globals.biff8 = u16(bof.body, 0) != kBiff5;
    for (Record r = records.next(); r.id != record::kEof; r = records.next()) {
        globalRecord(r, records, globals, book);
        if (book.failed()) {
            break;
        }
    }
    globals.dateXfs = globals.formats.xfsShowingDates();
    return globals;
}

} // namespace kestrelon::biff
