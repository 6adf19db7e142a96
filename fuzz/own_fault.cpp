#include "own_fault.h"

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdint>
#include <dlfcn.h>
#include <execinfo.h>
#include <string_view>
#include <unistd.h>
#include <unwind.h>
#include <vector>

extern "C" {
// The addresses of the instrumented code, which -fsanitize=fuzzer tables in the program: pairs
// of an address and its flags, the flag 1 marking a function's start. Absent from a build
// without it.
extern const std::uintptr_t __start___sancov_pcs[] __attribute__((weak));
extern const std::uintptr_t __stop___sancov_pcs[] __attribute__((weak));
// Set by the sanitizers' runtime when the program is built with one.
void __sanitizer_set_death_callback(void (*callback)()) __attribute__((weak));
}

namespace kestrelon::fuzz {
namespace {

constexpr int kMaxFrames = 64;

int markFd = -1;
char markByte = 0;
const void* programBase = nullptr;
// The starts of the instrumented functions, sorted; when the program has no table, everything
// linked into it is ours.
std::vector<std::uintptr_t>* ownFunctions = nullptr;

// Frames that every fault passes through on its way to a handler, whoever caused it: the C and
// C++ libraries, the unwinder, and the sanitizers' runtime where it is a library of its own.
bool isRuntime(std::string_view file) {
    file.remove_prefix(file.rfind('/') == std::string_view::npos ? 0 : file.rfind('/') + 1);
    for (const std::string_view runtime : {"libc.so", "libm.so", "libstdc++.so", "libgcc_s.so",
                                           "libasan.so", "libubsan.so", "ld-linux"}) {
        if (file.starts_with(runtime)) {
            return true;
        }
    }
    return false;
}

enum class Code { Own, Runtime, Library };

Code codeAt(void* pc) {
    Dl_info module{};
    if (dladdr(pc, &module) == 0) {
        return Code::Library;
    }
    if (module.dli_fbase != programBase) {
        return module.dli_fname != nullptr && isRuntime(module.dli_fname) ? Code::Runtime
                                                                          : Code::Library;
    }
    if (ownFunctions == nullptr) {
        return Code::Own;
    }
    // The sanitizers' and the fuzzer's runtime are linked into the program too, uninstrumented.
    // A frame's address is where its call returns to, so the call itself lies a byte before.
    const auto function =
        reinterpret_cast<std::uintptr_t>(_Unwind_FindEnclosingFunction(static_cast<char*>(pc) - 1));
    return std::binary_search(ownFunctions->begin(), ownFunctions->end(), function) ? Code::Own
                                                                                    : Code::Runtime;
}

// `frames` is a call stack from backtrace(), innermost first, taken in a handler: it starts
// with the handler's own frame, after the sanitizers' interceptor of backtrace() if any.
bool faultInOwnCode(void* const* frames, int count) {
    int i = 0;
    while (i < count && codeAt(frames[i]) == Code::Runtime) {
        ++i;
    }
    for (++i; i < count; ++i) {
        const Code code = codeAt(frames[i]);
        if (code != Code::Runtime) {
            return code == Code::Own;
        }
    }
    return false;
}

void markIf(bool own) {
    if (own) {
        [[maybe_unused]] const ssize_t written = ::write(markFd, &markByte, 1);
    }
}

void onCrash(int signal) {
    std::array<void*, kMaxFrames> frames;
    markIf(faultInOwnCode(frames.data(), backtrace(frames.data(), kMaxFrames)));
    std::raise(signal); // the handler is reset: the child ends by the signal
}

void onHang(int signal) {
    std::array<void*, kMaxFrames> frames;
    const int count = backtrace(frames.data(), kMaxFrames);
    constexpr std::string_view kHung = "the reading child has not replied in time; it is at:\n";
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, kHung.data(), kHung.size());
    backtrace_symbols_fd(frames.data() + 1, count - 1, STDERR_FILENO);
    markIf(faultInOwnCode(frames.data(), count));
    std::raise(signal);
}

void onSanitizerReport() {
    std::array<void*, kMaxFrames> frames;
    markIf(faultInOwnCode(frames.data(), backtrace(frames.data(), kMaxFrames)));
}

void findOwnCode() {
    const std::uintptr_t* const begin = __start___sancov_pcs;
    const std::uintptr_t* const end = __stop___sancov_pcs;
    if (begin == nullptr || end <= begin) {
        return;
    }
    ownFunctions = new std::vector<std::uintptr_t>;
    for (const std::uintptr_t* entry = begin; entry + 1 < end; entry += 2) {
        if ((entry[1] & 1) != 0) {
            ownFunctions->push_back(entry[0]);
        }
    }
    std::sort(ownFunctions->begin(), ownFunctions->end());
}

} // namespace

void tellOwnFaultsTo(int fd, char mark) {
    markFd = fd;
    markByte = mark;
    Dl_info self{};
    if (dladdr(reinterpret_cast<const void*>(&tellOwnFaultsTo), &self) != 0) {
        programBase = self.dli_fbase;
    }
    findOwnCode();
    std::array<void*, kMaxFrames> frames;
    backtrace(frames.data(), kMaxFrames); // loads the unwinder now, not inside a handler

    // A stack that overflowed leaves no room for a handler but on a stack of its own.
    static std::array<char, 1 << 16> handlerStack;
    stack_t stack{};
    stack.ss_sp = handlerStack.data();
    stack.ss_size = handlerStack.size();
    sigaltstack(&stack, nullptr);
    struct sigaction action {};
    action.sa_handler = onCrash;
    action.sa_flags = SA_RESETHAND | SA_NODEFER | SA_ONSTACK;
    for (const int signal : {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT}) {
        sigaction(signal, &action, nullptr);
    }
    action.sa_handler = onHang;
    sigaction(kHungSignal, &action, nullptr);
    if (__sanitizer_set_death_callback != nullptr) {
        __sanitizer_set_death_callback(onSanitizerReport);
    }
}

} // namespace kestrelon::fuzz
