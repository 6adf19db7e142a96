#include "report_files.h"

#include "store/cp1251.h"
#include "store/image_file.h"

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
    currentFileName = fileName;
    return loadImage(folder, cp1251ToUtf8(fileName), record);
}

} // namespace kestrelon
