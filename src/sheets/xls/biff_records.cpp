#include "biff_records.h"

#include "biff_bytes.h"
#include "biff_globals.h"
#include "biff_sheet.h"
#include "store/cp1251.h"

#include <optional>
#include <unordered_map>
#include <vector>

namespace kestrelon {
namespace {

using namespace biff;

constexpr std::uint16_t kWorksheetSubstream = 0x0010;

// The worksheets of the book and which of them are still to be read.
class Worksheets {
public:
    Worksheets(const std::vector<SheetEntry>& entries, WorkbookCells& book) : entries_(entries) {
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (entries[i].worksheet) {
                atOffset_.emplace(entries[i].offset, i);
                inBook_.push_back(book.addSheet(entries[i].name));
                ++unread_;
            } else {
                inBook_.push_back(0);
            }
        }
        read_.assign(entries.size(), false);
    }

    std::size_t unread() const { return unread_; }
    const SheetEntry& entry(std::size_t i) const { return entries_[i]; }
    std::size_t inBook(std::size_t i) const { return inBook_[i]; }

    // The unread worksheet that starts with this BOF record. BOUNDSHEET gives the place of
    // each; a worksheet at a place none gives, as a writer that miscounts its own bytes leaves
    // it, is taken as the next unread one. The sheet then counts as read.
    std::optional<std::size_t> take(const Record& bof) {
        std::optional<std::size_t> found;
        const auto listed = atOffset_.find(bof.offset);
        if (listed != atOffset_.end()) {
            found = listed->second;
        } else if (bof.body.size() >= 4 && u16(bof.body, 2) == kWorksheetSubstream) {
            while (next_ < entries_.size() && (!entries_[next_].worksheet || read_[next_])) {
                ++next_;
            }
            found = next_ < entries_.size() ? std::optional(next_) : std::nullopt;
        }
        if (!found || read_[*found]) {
            return std::nullopt;
        }
        read_[*found] = true;
        --unread_;
        return found;
    }

private:
    const std::vector<SheetEntry>& entries_;
    std::vector<std::size_t> inBook_;
    std::vector<bool> read_;
    std::unordered_map<std::uint32_t, std::size_t> atOffset_;
    std::size_t unread_ = 0;
    std::size_t next_ = 0;
};

// Past a substream this program does not read, as a chart sheet's.
void skipSubstream(RecordReader& records) {
    for (int open = 1; open > 0 && !records.atEnd();) {
        const std::uint16_t id = records.next().id;
        open += id == record::kBof ? 1 : id == record::kEof ? -1 : 0;
    }
}

void readStream(std::string_view stream, WorkbookCells& book) {
    RecordReader records(stream);
    const WorkbookGlobals globals = readGlobals(records, book);
    if (book.failed()) {
        return;
    }
    Worksheets sheets(globals.sheets, book);
    book.setDateFormats(globals.dateXfs);
    if (globals.date1904) {
        book.useDateSystem1904();
    }
    // The sheets follow the global part, each from its BOF to its EOF; what lies after the
    // last of them, as the zeros some writers pad the stream with, is never read.
    while (sheets.unread() > 0 && !book.failed()) {
        if (records.atEnd()) {
            throw Damaged("поток книги обрывается перед листом"_cp);
        }
        const Record r = records.next();
        if (r.id != record::kBof) {
            continue;
        }
        if (const std::optional<std::size_t> sheet = sheets.take(r)) {
            readWorksheet(records, globals, sheets.entry(*sheet), sheets.inBook(*sheet), book);
        } else {
            skipSubstream(records);
        }
    }
}

} // namespace

void readBiffWorkbookStream(std::string_view stream, WorkbookCells& book) {
    try {
        readStream(stream, book);
    } catch (const Damaged& damaged) {
        book.fail(damagedFileProblem(damaged.what()));
    }
}

} // namespace kestrelon
