#include "report_scan.h"

#include "report_folder.h"
#include "store/cp1251.h"
#include "store/image_file.h"
#include "store/io_error.h"

#include <algorithm>
#include <memory>

namespace kestrelon {
namespace {

bool readReportFile(const std::string& folder, const std::string& name, ReportRecord& record) {
    return loadImage(folder, name, record);
}

// A name that cp1251 cannot spell could never be opened or deleted again by the list.
bool isSpelledInCp1251(const std::string& utf8Name) {
    return cp1251ToUtf8(utf8ToCp1251(utf8Name)) == utf8Name;
}

std::vector<std::string> candidateNames(const std::string& folder) {
    std::vector<std::string> names;
    for (const FolderFile& file : listReportFiles(folder)) {
        if (file.size == sizeof(ReportRecord) && isSpelledInCp1251(file.name)) {
            names.push_back(file.name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

ReportList FindFilesReport(const std::string& folder) {
    return FindFilesReport(folder, readReportFile);
}

ReportList FindFilesReport(const std::string& folder, const ReportFileReader& read) {
    ReportList list;
    auto buffer = std::make_unique<ReportRecord>();
    for (const std::string& name : candidateNames(folder)) {
        if (list.full()) {
            break;
        }
        bool found = false;
        try {
            found = read(folder, name, *buffer);
        } catch (const IoError&) {
            // Removed or cut short since the listing: one such file must not spoil the list.
            found = false;
        }
        if (found) {
            list.entries.push_back(entryFromRecord(*buffer, utf8ToCp1251(name)));
        }
    }
    recomputeMaxima(list);
    sortByOffsetActNo(list.entries);
    return list;
}

} // namespace kestrelon
