#pragma once
// A broken property ends the run the way a crash does, so that libFuzzer keeps the input and
// the corpus replay fails.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>

namespace kestrelon::fuzz {

inline void require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

inline std::string_view bytes(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A folder of this process for the files a target writes, removed when the process ends. The
// name lives on the heap so that it outlasts the static destructors the removal runs after.
inline const std::string& scratchFolder() {
    static const std::string* const path = [] {
        const auto dir = std::filesystem::temp_directory_path() /
                         ("kestrelon-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(scratchFolder(), ignored);
        });
        return new std::string(dir.string() + "/");
    }();
    return *path;
}

} // namespace kestrelon::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
