#include "report_files.h"

#include "store/cp1251.h"
#include "store/image_file.h"

#include <memory>

namespace kestrelon {

std::string reportPath(const std::string& folder, const std::string& fileName) {
    return folder + cp1251ToUtf8(fileName);
}

void SaveReport(const ReportRecord& record, const std::string& folder,
                const std::string& fileName) {
    saveImage(folder, cp1251ToUtf8(fileName), record);
}

bool OpenReport(const std::string& folder, const std::string& fileName, ReportRecord& record,
                std::string& currentFileName) {
    // A file removed or cut short since the list was made must not leave the record half one
    // report and half another, nor name a file the record did not come from.
    auto buffer = std::make_unique<ReportRecord>();
    if (!loadImage(folder, cp1251ToUtf8(fileName), *buffer)) {
        return false;
    }
    record = *buffer;
    currentFileName = fileName;
    return true;
}

} // namespace kestrelon
