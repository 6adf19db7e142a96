#include "year_command.h"

#include "command_options.h"
#include "export_command.h"
#include "render/summary_page.h"
#include "reports/summary/summary_files.h"
#include "store/file_set.h"
#include "store/io_error.h"

#include <QString>
#include <algorithm>
#include <cctype>
#include <filesystem>

namespace kestrelon {
namespace {

enum class YearFile { Xlsx, Csv, Pdf };

std::optional<YearFile> fileKind(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    for (char& c : extension) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (extension == ".xlsx") {
        return YearFile::Xlsx;
    }
    if (extension == ".csv") {
        return YearFile::Csv;
    }
    if (extension == ".pdf") {
        return YearFile::Pdf;
    }
    return std::nullopt;
}

std::optional<int> yearOf(const std::string& text) {
    if (text.size() != 4 || !std::all_of(text.begin(), text.end(), ::isdigit)) {
        return std::nullopt;
    }
    const int year = std::stoi(text);
    if (year < Period::kFirstYear || year >= Period::kFirstYear + Period::kYearCount) {
        return std::nullopt;
    }
    return year;
}

// Writes the file; the reason on `err` when it cannot.
bool writeSummary(const YearSummary& summary, YearFile kind, const std::string& path,
                  std::ostream& err) {
    try {
        if (kind == YearFile::Pdf) {
            const OutputResult result = exportSummaryPdf(summary, QString::fromStdString(path));
            if (!result.ok()) {
                err << "kestrelon-export: " << result.error.toStdString() << "\n";
                return false;
            }
            return true;
        }
        const std::string bytes =
            kind == YearFile::Xlsx ? summaryXlsx(summary) : summaryCsv(summary);
        saveFilesTogether({{path, bytes}});
    } catch (const IoError& error) {
        err << "kestrelon-export: cannot write " << path << ": " << error.message() << "\n";
        return false;
    }
    return true;
}

} // namespace

int runYearExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto options = parseCommandOptions(
        args, {}, 3, "--year expects a year, a data folder and an output file", err);
    if (!options) {
        return kExportUsage;
    }
    const std::optional<int> year = yearOf(options->positional[0]);
    const std::string& folderGiven = options->positional[1];
    const std::string output = std::filesystem::absolute(options->positional[2]).string();
    const std::optional<YearFile> kind = fileKind(output);
    if (!year || !kind) {
        err << "kestrelon-export: --year expects a year from 2010 to 2099 and an output file "
               "ending in .xlsx, .csv or .pdf\n";
        return kExportUsage;
    }
    const std::string folder = dataFolderFor(folderGiven, {});
    if (refusedAsProtected({output}, folder, {}, err)) {
        return kExportFailed;
    }
    FolderReports reports;
    try {
        reports = readFolderReports(folder);
    } catch (const IoError& error) {
        err << "kestrelon-export: " << folder << ": " << error.message() << "\n";
        return kExportFailed;
    }
    const YearSummary summary = summarizeYear(reports, *year);
    for (const UnreadReport& unread : summary.unread) {
        err << "kestrelon-export: not counted: " << unread.fileName << ": " << unread.reason
            << "\n";
    }
    if (summary.total.reports == 0) {
        err << "kestrelon-export: no report of " << *year << " in " << folder
            << "; nothing written\n";
        return kExportFailed;
    }
    if (!writeSummary(summary, *kind, output, err)) {
        return kExportFailed;
    }
    out << output << ": the summary of " << summary.total.reports << " report(s) of " << *year
        << "\n";
    return kExportOk;
}

} // namespace kestrelon
