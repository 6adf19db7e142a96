#include "report_delete.h"

#include "report_files.h"
#include "store/io_error.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace kestrelon {

std::string deletedReportName(const std::string& fileName) {
    return fileName.substr(0, fileName.size() - std::min<std::size_t>(fileName.size(), 5)) +
           ".rdel";
}

std::optional<NextNumbers> DeleteReport(ReportList& list, std::size_t index,
                                        const std::string& folder) {
    if (index >= list.entries.size()) {
        return std::nullopt;
    }
    const std::string& fileName = list.entries[index].FileName;
    const std::string path = reportPath(folder, fileName);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        return std::nullopt;
    }
    const std::string newName = deletedReportName(fileName);
    const std::string newPath = reportPath(folder, newName);
    if (std::filesystem::exists(newPath, ec) && std::remove(newPath.c_str()) != 0) {
        throw IoError::fromErrno(errno, newName);
    }
    if (std::rename(path.c_str(), newPath.c_str()) != 0) {
        throw IoError::fromErrno(errno, fileName);
    }

    list.entries.erase(list.entries.begin() + static_cast<std::ptrdiff_t>(index));
    list.selected = index < list.entries.size() ? index : (index > 0 ? index - 1 : 0);
    recomputeMaxima(list);
    return nextNumbers(list);
}

} // namespace kestrelon
