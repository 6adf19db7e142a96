#include "child_coverage.h"

#include <algorithm>
#include <cstring>
#include <sys/mman.h>

extern "C" {
// The inline 8-bit counters that -fsanitize=fuzzer puts in the program and libFuzzer reads;
// absent from a build without it.
extern std::uint8_t __start___sancov_cntrs[] __attribute__((weak));
extern std::uint8_t __stop___sancov_cntrs[] __attribute__((weak));
}

namespace kestrelon::fuzz {
namespace {

std::uint8_t* counters() {
    return __start___sancov_cntrs;
}

} // namespace

ChildCoverage::ChildCoverage() {
    std::uint8_t* const end = __stop___sancov_cntrs;
    if (counters() == nullptr || end <= counters()) {
        return;
    }
    void* shared = ::mmap(nullptr, static_cast<std::size_t>(end - counters()),
                          PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (shared != MAP_FAILED) {
        shared_ = static_cast<std::uint8_t*>(shared);
        size_ = static_cast<std::size_t>(end - counters());
    }
}

ChildCoverage::~ChildCoverage() {
    if (shared_ != nullptr) {
        ::munmap(shared_, size_);
    }
}

void ChildCoverage::beginRun() {
    if (shared_ != nullptr) {
        std::memset(counters(), 0, size_);
    }
}

void ChildCoverage::endRun() {
    if (shared_ != nullptr) {
        std::memcpy(shared_, counters(), size_);
    }
}

void ChildCoverage::collect() {
    std::uint8_t* const own = counters();
    for (std::size_t i = 0; i < size_; ++i) {
        if (shared_[i] != 0) {
            own[i] = static_cast<std::uint8_t>(std::min(255, own[i] + shared_[i]));
        }
    }
}

} // namespace kestrelon::fuzz
