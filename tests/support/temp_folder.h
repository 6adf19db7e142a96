#pragma once
// A private data folder for one test, removed with everything in it afterwards.

#include <cstddef>
#include <string>

namespace kestrelon::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder with its trailing separator, as DataFolder holds it.
    const std::string& path() const { return path_; }

    // Writes `size` bytes of `fill` (or the given bytes) as folder + name.
    void writeFile(const std::string& name, const std::string& bytes) const;
    void writeFile(const std::string& name, std::size_t size, char fill = 0) const;
    std::string readFile(const std::string& name) const;
    bool exists(const std::string& name) const;

private:
    std::string path_;
};

} // namespace kestrelon::test
