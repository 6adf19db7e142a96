// A library loaded at its first use: its functions are had by name, and a missing library or
// function is said with its name instead of stopping the program.

#include "store/shared_library.h"

#include <gtest/gtest.h>

#include <cstring>

namespace kestrelon {
namespace {

TEST(SharedLibrary, GivesTheFunctionsOfALibraryAndSaysWhatIsMissing) {
    const SharedLibrary c("libc.so.6");
    const auto length = c.function<decltype(std::strlen)>("strlen");
    EXPECT_EQ(length("Kestrelon"), 9u);
    try {
        (void)c.function<void()>("no_such_function_here");
        ADD_FAILURE() << "found";
    } catch (const MissingLibrary& missing) {
        EXPECT_STREQ(missing.what(), "the library libc.so.6 has no function no_such_function_here");
    }
    try {
        const SharedLibrary none("libkestrelon-none.so.1");
        ADD_FAILURE() << "loaded";
    } catch (const MissingLibrary& missing) {
        EXPECT_NE(std::string(missing.what()).find("libkestrelon-none.so.1 cannot be loaded"),
                  std::string::npos)
            << missing.what();
    }
}

} // namespace
} // namespace kestrelon
