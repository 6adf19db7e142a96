#include "report_sync.h"

#include "report_folder.h"
#include "store/cp1251.h"

#include <filesystem>
#include <system_error>

namespace kestrelon {
namespace {

struct CopyCounts {
    std::size_t copied = 0;
    std::size_t errors = 0;
};

// Copies the report files of `from` that `to` lacks; an existing file is never written over.
CopyCounts copyMissing(const std::string& from, const std::string& to) {
    namespace fs = std::filesystem;
    CopyCounts counts;
    for (const FolderFile& file : listReportFiles(from)) {
        const fs::path target = fs::path(to) / file.name;
        // Any entry of that name counts, even a link that leads nowhere.
        std::error_code ec;
        if (fs::exists(fs::symlink_status(target, ec))) {
            continue;
        }
        if (fs::copy_file(fs::path(from) / file.name, target, fs::copy_options::none, ec)) {
            ++counts.copied;
            continue;
        }
        ++counts.errors;
        // A copy cut short (disk full) must not stand in for the file by its name; a file
        // that appeared meanwhile is somebody else's and stays.
        if (ec != std::errc::file_exists) {
            std::error_code ignored;
            fs::remove(target, ignored);
        }
    }
    return counts;
}

std::string direction(const std::string& from, const std::string& to, const CopyCounts& c) {
    return utf8ToCp1251(from) + " > " + utf8ToCp1251(to) + "\r\n" + "  Скопировано файлов "_cp +
           std::to_string(c.copied) + "\r\n" + "  Ошибок "_cp + std::to_string(c.errors);
}

} // namespace

SyncResult SyncReports(const std::string& dataFolder, const std::string& otherFolder) {
    const CopyCounts out = copyMissing(dataFolder, otherFolder);
    const CopyCounts in = copyMissing(otherFolder, dataFolder);
    SyncResult result;
    result.copiedOut = out.copied;
    result.errorsOut = out.errors;
    result.copiedIn = in.copied;
    result.errorsIn = in.errors;
    result.message =
        direction(dataFolder, otherFolder, out) + "\r\n" + direction(otherFolder, dataFolder, in);
    return result;
}

} // namespace kestrelon
