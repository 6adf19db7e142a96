#include "freexl_workbook.h"

#include "store/cp1251.h"
#include "sylk_number.h"
#include "sylk_text.h"

#include <freexl.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace kestrelon {
namespace {

// FreeXL reads only named files. The bytes go into an anonymous file in memory, named through
// /proc, so that nothing is left on disk whatever happens.
class MemoryFile {
public:
    explicit MemoryFile(std::string_view bytes) : fd_(memfd_create("kestrelon-xls", MFD_CLOEXEC)) {
        std::size_t written = 0;
        while (fd_ >= 0 && written < bytes.size()) {
            const ssize_t n = ::write(fd_, bytes.data() + written, bytes.size() - written);
            if (n <= 0) {
                ::close(fd_);
                fd_ = -1;
            } else {
                written += static_cast<std::size_t>(n);
            }
        }
    }
    ~MemoryFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    bool ok() const { return fd_ >= 0; }
    std::string path() const { return "/proc/self/fd/" + std::to_string(fd_); }

private:
    int fd_;
};

class Handle {
public:
    ~Handle() {
        if (handle_ != nullptr) {
            freexl_close(handle_);
        }
    }
    const void** out() { return &handle_; }
    const void* get() const { return handle_; }

private:
    const void* handle_ = nullptr;
};

// FreeXL keeps every cell of a sheet in memory from the sizes the file states, which a damaged
// file may state as 65536 rows by 256 columns. Sheets other than the register's may be larger
// than a register is, but not this large.
constexpr unsigned long kMaxXlsSheetCells = 1000000;

// FreeXL gives dates as "YYYY-MM-DD", with " HH:MM:SS" after them when the cell has a time.
std::string fromIsoDate(const char* isoDate) {
    const std::string iso(isoDate);
    if (iso.size() < 10) {
        return oneLineText(iso);
    }
    return iso.substr(8, 2) + "." + iso.substr(5, 2) + "." + iso.substr(0, 4);
}

std::optional<SheetCell> cellOf(const FreeXL_CellValue& value) {
    switch (value.type) {
    case FREEXL_CELL_INT:
        return SheetCell{std::to_string(value.value.int_value), true};
    case FREEXL_CELL_DOUBLE:
        return SheetCell{plainDecimal(value.value.double_value), true};
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_TIME:
        return SheetCell{oneLineText(utf8ToCp1251(value.value.text_value)), false};
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
        return SheetCell{fromIsoDate(value.value.text_value), false};
    default:
        return std::nullopt;
    }
}

std::string refused(int code) {
    if (code == FREEXL_INSUFFICIENT_MEMORY) {
        return "не хватает памяти, чтобы прочитать файл"_cp;
    }
    return damagedFileProblem("FreeXL: ошибка "_cp + std::to_string(code));
}

bool sheetsFitInMemory(const std::string& path, WorkbookCells& book) {
    Handle info;
    const int opened = freexl_open_info(path.c_str(), info.out());
    if (opened != FREEXL_OK) {
        book.fail(refused(opened));
        return false;
    }
    unsigned int sheets = 0;
    freexl_get_info(info.get(), FREEXL_BIFF_SHEET_COUNT, &sheets);
    for (unsigned short sheet = 0; sheet < sheets; ++sheet) {
        unsigned int rows = 0;
        unsigned short columns = 0;
        if (freexl_select_active_worksheet(info.get(), sheet) == FREEXL_OK &&
            freexl_worksheet_dimensions(info.get(), &rows, &columns) == FREEXL_OK &&
            static_cast<unsigned long>(rows) * columns > kMaxXlsSheetCells) {
            book.fail("лист "_cp + std::to_string(sheet + 1) + " больше "_cp +
                      std::to_string(kMaxXlsSheetCells) + " ячеек"_cp);
            return false;
        }
    }
    return true;
}

void readSheet(const void* handle, unsigned short index, WorkbookCells& book) {
    const char* name = nullptr;
    freexl_get_worksheet_name(handle, index, &name);
    const std::size_t sheet = book.addSheet(utf8ToCp1251(name == nullptr ? "" : name));
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (freexl_select_active_worksheet(handle, index) != FREEXL_OK ||
        freexl_worksheet_dimensions(handle, &rows, &columns) != FREEXL_OK) {
        return;
    }
    for (unsigned int row = 0; row < rows && !book.failed(); ++row) {
        for (unsigned short column = 0; column < columns; ++column) {
            FreeXL_CellValue value;
            if (freexl_get_cell_value(handle, row, column, &value) != FREEXL_OK) {
                continue;
            }
            if (std::optional<SheetCell> cell = cellOf(value)) {
                book.setCell(sheet, column + 1, static_cast<int>(row) + 1, std::move(*cell));
            }
        }
    }
}

} // namespace

void readXlsWorkbook(std::string_view fileBytes, WorkbookCells& book) {
    const MemoryFile file(fileBytes);
    if (!file.ok()) {
        book.fail("не удается передать файл для чтения"_cp);
        return;
    }
    if (!sheetsFitInMemory(file.path(), book)) {
        return;
    }
    Handle handle;
    const int opened = freexl_open(file.path().c_str(), handle.out());
    if (opened != FREEXL_OK) {
        book.fail(refused(opened));
        return;
    }
    unsigned int password = 0;
    unsigned int dateMode = 0;
    unsigned int sheets = 0;
    freexl_get_info(handle.get(), FREEXL_BIFF_PASSWORD, &password);
    freexl_get_info(handle.get(), FREEXL_BIFF_DATEMODE, &dateMode);
    freexl_get_info(handle.get(), FREEXL_BIFF_SHEET_COUNT, &sheets);
    if (password == FREEXL_BIFF_OBFUSCATED) {
        book.fail(passwordProblem());
        return;
    }
    for (unsigned short sheet = 0; sheet < sheets && !book.failed(); ++sheet) {
        readSheet(handle.get(), sheet, book);
    }
    if (dateMode == FREEXL_BIFF_DATEMODE_1904) {
        book.useDateSystem1904();
    }
}

} // namespace kestrelon
