#pragma once
// A library the program loads at its first use rather than at its start: the spreadsheet and
// zip libraries that only reading an .xls file, saving a workbook or a backup need. A program
// linked against them would look up their symbols, and those of what they bring along, on every
// start.

#include <stdexcept>
#include <string>

namespace kestrelon {

// Thrown when the library or one of its functions cannot be had (the package is missing).
class MissingLibrary : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SharedLibrary {
public:
    // `soname`, e.g. "libgsf-1.so.114", is loaded now. Throws MissingLibrary.
    explicit SharedLibrary(const char* soname);
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    // The function `name` of the library or of a library it brings along. Throws MissingLibrary.
    template <typename Function> Function* function(const char* name) const {
        return reinterpret_cast<Function*>(symbol(name));
    }

private:
    void* symbol(const char* name) const;

    std::string soname_;
    void* handle_ = nullptr;
};

} // namespace kestrelon

// A member of a library's struct of functions: `name` as the C library declares it, looked up
// in `library` when the struct is made.
#define KESTRELON_LIBRARY_FUNCTION(library, name)                                                  \
    decltype(&::name) name = library.function<decltype(::name)>(#name)
