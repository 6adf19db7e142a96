#include "folder_files.h"

#include "reports/files/report_record.h"
#include "reports/values/period.h"
#include "store/cp1251.h"
#include "store/data_store.h"
#include "store/io_error.h"
#include "store/protected_files.h"
#include "store/slot_table.h"

#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

namespace kestrelon {
namespace {

bool endsWith(std::string_view name, std::string_view ending) {
    if (name.size() <= ending.size()) {
        return false;
    }
    return std::equal(ending.rbegin(), ending.rend(), name.rbegin(), [](char a, char b) {
        return a == std::tolower(static_cast<unsigned char>(b));
    });
}

template <typename Table> int slotsIn(const std::string& bytes) {
    if (bytes.size() != sizeof(Table)) {
        return 0;
    }
    auto table = std::make_unique<Table>();
    std::memcpy(table.get(), bytes.data(), sizeof(Table));
    return countSlots(*table);
}

} // namespace

bool belongsInBackup(std::string_view name) {
    if (name.empty() || name.front() == '.' || name.find('/') != std::string_view::npos) {
        return false;
    }
    const auto tables = dataTableNames();
    return std::find(tables.begin(), tables.end(), name) != tables.end() ||
           endsWith(name, ".rep") || endsWith(name, ".rdel");
}

std::vector<NamedBytes> readFolderFiles(const std::string& folder) {
    std::vector<NamedBytes> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        std::error_code typeError;
        if (!belongsInBackup(name) || !entry.is_regular_file(typeError)) {
            continue;
        }
        std::ifstream in(entry.path(), std::ios::binary | std::ios::ate);
        if (!in) {
            throw IoError::fromErrno(errno != 0 ? errno : EIO, name, entry.path().string());
        }
        const std::streamoff size = in.tellg();
        std::string bytes(static_cast<std::size_t>(std::max<std::streamoff>(size, 0)), '\0');
        in.seekg(0);
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!in || in.gcount() != static_cast<std::streamsize>(bytes.size())) {
            throw IoError::fromErrno(EIO, name, entry.path().string());
        }
        files.push_back({name, std::move(bytes)});
    }
    if (ec) {
        throw IoError::fromErrno(ec.value(), folder, folder);
    }
    std::sort(files.begin(), files.end(),
              [](const NamedBytes& a, const NamedBytes& b) { return a.name < b.name; });
    return files;
}

std::string fingerprint(const std::vector<NamedBytes>& files) {
    std::string text;
    for (const NamedBytes& file : files) {
        const uLong crc =
            crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(file.bytes.data()),
                  static_cast<uInt>(file.bytes.size()));
        text +=
            file.name + ' ' + std::to_string(file.bytes.size()) + ' ' + std::to_string(crc) + '\n';
    }
    return text;
}

std::string contentsText(const std::vector<NamedBytes>& files) {
    int organizations = 0;
    int contracts = 0;
    int reports = 0;
    std::optional<Period> last;
    for (const NamedBytes& file : files) {
        if (file.name == files::kFirms) {
            organizations = slotsIn<FirmTable>(file.bytes);
        } else if (file.name == files::kClients) {
            contracts = slotsIn<ClientTable>(file.bytes);
        } else if (endsWith(file.name, ".rep") && file.bytes.size() == sizeof(ReportRecord)) {
            ++reports;
            const auto month =
                static_cast<std::uint8_t>(file.bytes[offsetof(ReportRecord, PeriodMonth)]);
            const auto year =
                static_cast<std::uint8_t>(file.bytes[offsetof(ReportRecord, PeriodYear)]);
            if (month < 12 && year < Period::kYearCount &&
                (!last || year * 12 + month > last->year * 12 + last->month)) {
                last = Period{month, year};
            }
        }
    }
    std::string text = "организаций: " + std::to_string(organizations) +
                       ", договоров: " + std::to_string(contracts) +
                       ", отчетов: " + std::to_string(reports);
    if (last) {
        text += ", последний отчет — " + cp1251ToUtf8(monthName(last->month)) + ' ' +
                cp1251ToUtf8(yearText(last->year));
    }
    return text;
}

} // namespace kestrelon
