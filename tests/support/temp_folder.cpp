#include "temp_folder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace kestrelon::test {

TempFolder::TempFolder() {
    const auto base = std::filesystem::temp_directory_path() / "kestrelon-test-XXXXXX";
    std::string pattern = base.string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!::mkdtemp(buffer.data())) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    path_ = std::string(buffer.data()) + "/";
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
    // The backups a closing program made of it go too.
    std::string folder = path_;
    while (!folder.empty() && folder.back() == '/') {
        folder.pop_back();
    }
    std::filesystem::remove_all(folder + ".backups", ec);
}

void TempFolder::writeFile(const std::string& name, const std::string& bytes) const {
    std::ofstream out(path_ + name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void TempFolder::writeFile(const std::string& name, std::size_t size, char fill) const {
    writeFile(name, std::string(size, fill));
}

std::string TempFolder::readFile(const std::string& name) const {
    std::ifstream in(path_ + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool TempFolder::exists(const std::string& name) const {
    return std::filesystem::exists(path_ + name);
}

} // namespace kestrelon::test
