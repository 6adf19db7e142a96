#include "report_folder.h"

#include "store/io_error.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

namespace kestrelon {
namespace {

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

IoError listingError(const std::error_code& ec, const std::string& folder) {
    return IoError::fromErrno(ec.value() != 0 ? ec.value() : EIO, folder);
}

} // namespace

bool hasReportExtension(std::string_view name) {
    constexpr std::string_view extension = ".rep";
    if (name.size() < extension.size()) {
        return false;
    }
    const std::string_view tail = name.substr(name.size() - extension.size());
    return std::equal(tail.begin(), tail.end(), extension.begin(),
                      [](char a, char b) { return lowerAscii(a) == b; });
}

std::vector<FolderFile> listReportFiles(const std::string& folder) {
    namespace fs = std::filesystem;
    std::vector<FolderFile> files;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec) {
        throw listingError(ec, folder);
    }
    while (it != fs::directory_iterator()) {
        const std::string name = it->path().filename().string();
        // A file that vanishes while the folder is listed is simply not there.
        std::error_code entryError;
        if (hasReportExtension(name) && it->is_regular_file(entryError)) {
            const std::uintmax_t size = it->file_size(entryError);
            if (!entryError) {
                files.push_back({name, size});
            }
        }
        it.increment(ec);
        if (ec) {
            throw listingError(ec, folder);
        }
    }
    return files;
}

} // namespace kestrelon
