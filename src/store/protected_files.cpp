#include "protected_files.h"

#include "data_store.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace kestrelon {
namespace {

namespace fs = std::filesystem;

constexpr std::array<const char*, 21> kDataFiles = {
    files::kFirms,       files::kFirmsDeleted, files::kClients,        files::kClientsDeleted,
    files::kAgent,       files::kWindowState,  files::kColumnWidths,   files::kFunctions,
    files::kLogo,        files::kGlobe,        files::kMailFolder,     files::kPdfFolder,
    files::kSyncFolder,  files::kEdoFolder,    files::kPaymentFolder,  files::kPaymentNumber,
    files::kPrincipal,   files::kEdo,          files::kRegisterFolder, files::kSummaryFolder,
    files::kBackupFolder};

// The file a path names, as far as it can be found: links and ".." resolved.
fs::path resolved(const std::string& path) {
    std::error_code ec;
    fs::path full = fs::weakly_canonical(fs::absolute(path, ec), ec);
    return ec ? fs::absolute(path).lexically_normal() : full;
}

bool sameFile(const fs::path& a, const std::string& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) {
        return true;
    }
    return a == resolved(b);
}

bool isReportName(const fs::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".rep";
}

} // namespace

std::optional<ProtectedFile> protectedFileKind(const std::string& output,
                                               const std::string& dataFolder,
                                               const std::vector<std::string>& inputs) {
    const fs::path target = resolved(output);
    for (const std::string& input : inputs) {
        if (sameFile(target, input)) {
            return ProtectedFile::Input;
        }
    }
    if (isReportName(target)) {
        return ProtectedFile::ReportFile;
    }
    std::string folder = dataFolder;
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    if (!folder.empty() && target.parent_path() == resolved(folder)) {
        const std::string name = target.filename().string();
        for (const char* table : kDataFiles) {
            if (name == table) {
                return ProtectedFile::DataTable;
            }
        }
    }
    return std::nullopt;
}

std::string protectedFileRefusal(ProtectedFile kind, const std::string& output) {
    switch (kind) {
    case ProtectedFile::Input:
        return output + " is the file being read; choose another output";
    case ProtectedFile::ReportFile:
        return output + " is (or would be taken for) a stored report (*.rep); choose another name";
    case ProtectedFile::DataTable:
        return output + " is a table of the data folder; choose another output";
    }
    return {};
}

std::span<const char* const> dataTableNames() {
    return kDataFiles;
}

} // namespace kestrelon
