#include "report_file.h"

#include "report_damage.h"
#include "store/image_file.h"

#include <filesystem>

namespace kestrelon {

std::optional<std::string> readReportFile(const std::string& path, ReportRecord& record) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (!fs::exists(status)) {
        return path + ": no such file";
    }
    if (!fs::is_regular_file(status)) {
        return path + ": not a report file (not a regular file)";
    }
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec) {
        return path + ": " + ec.message();
    }
    if (size != sizeof(ReportRecord)) {
        return path + ": not a report file (" + std::to_string(size) + " bytes; a report has " +
               std::to_string(sizeof(ReportRecord)) + ")";
    }
    try {
        loadImage(std::string(), path, record);
    } catch (const IoError& error) {
        return path + ": " + error.message();
    }
    const std::vector<std::string> damage = damagedFields(record);
    if (!damage.empty()) {
        std::string text = path + ": the report is damaged:";
        for (const std::string& line : damage) {
            text += "\n  " + line;
        }
        return text;
    }
    return std::nullopt;
}

std::unique_ptr<ReportRecord> readReportOrSay(const std::string& path, std::ostream& err) {
    auto record = std::make_unique<ReportRecord>();
    if (const auto problem = readReportFile(path, *record)) {
        err << "kestrelon-export: " << *problem << "\n";
        return nullptr;
    }
    return record;
}

} // namespace kestrelon
