#include "backup_state.h"

#include "store/file_set.h"

#include <fstream>
#include <iterator>

namespace kestrelon {
namespace {

constexpr const char* kStateFile = ".kestrelon-backed-up";

} // namespace

std::string lastBackedUpState(const std::string& backupFolder) {
    std::ifstream in(backupFolder + kStateFile, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void rememberBackedUpState(const std::string& backupFolder, const std::string& state) {
    saveFilesTogether({{backupFolder + kStateFile, state}});
}

} // namespace kestrelon
