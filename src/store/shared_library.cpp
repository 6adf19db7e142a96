#include "shared_library.h"

#include <dlfcn.h>

namespace kestrelon {

SharedLibrary::SharedLibrary(const char* soname) : soname_(soname) {
    handle_ = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        const char* why = dlerror();
        throw MissingLibrary("the library " + soname_ +
                             " cannot be loaded: " + (why != nullptr ? why : "unknown reason"));
    }
}

void* SharedLibrary::symbol(const char* name) const {
    dlerror();
    void* found = dlsym(handle_, name);
    if (found == nullptr) {
        throw MissingLibrary("the library " + soname_ + " has no function " + name);
    }
    return found;
}

} // namespace kestrelon
