#pragma once
// Runs a test's cases under the "C" locale and under the Russian one the program's users have:
// its decimal comma is what a reader of numbers that follows the locale trips over.

#include <gtest/gtest.h>

#include <functional>
#include <locale>
#include <stdexcept>
#include <string>

namespace kestrelon {

inline void underEachLocale(const std::function<void()>& cases) {
    const std::locale previous; // the global locale; setting one sets the C library's too
    for (const char* name : {"C", "ru_RU.UTF-8"}) {
        SCOPED_TRACE(std::string("under the locale ") + name);
        try {
            std::locale::global(std::locale(name));
        } catch (const std::runtime_error&) {
            ADD_FAILURE() << name << " is not installed; scripts/setup.sh makes it";
            continue;
        }
        cases();
    }
    std::locale::global(previous);
}

} // namespace kestrelon
