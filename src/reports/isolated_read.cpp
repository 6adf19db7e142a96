#include "isolated_read.h"

#include "store/cp1251.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kestrelon {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

constexpr unsigned long long kChildMemory = 1ull << 30;

} // namespace
} // namespace kestrelon

// Set by the sanitizers' runtime when the program is built with one (the fuzz targets are):
// what runs when a sanitizer stops the process.
extern "C" void __sanitizer_set_death_callback(void (*callback)()) __attribute__((weak));

namespace kestrelon {
namespace {

// A child stops quietly and at once: the handlers the parent may have set for a crash (a
// fuzzer's, which records the input and its statistics) are the parent's business.
void stopQuietlyOnCrash() {
    for (const int signal : {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT}) {
        std::signal(signal, SIG_DFL);
    }
    if (__sanitizer_set_death_callback != nullptr) {
        __sanitizer_set_death_callback(nullptr);
    }
}

// The address space this process uses now, which the child starts with.
unsigned long long addressSpaceInUse() {
    unsigned long long pages = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%llu", &pages) != 1) {
            pages = 0;
        }
        std::fclose(statm);
    }
    return pages * static_cast<unsigned long long>(sysconf(_SC_PAGESIZE));
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

[[noreturn]] void runChild(int out, const std::function<SheetText()>& read,
                           unsigned long long memory) {
    stopQuietlyOnCrash();
    // AddressSanitizer reserves terabytes of address space for itself, so a limit would stop
    // a sanitized child before it starts.
    if (!kSanitized && memory != 0) {
        const rlimit limit{memory, memory};
        setrlimit(RLIMIT_AS, &limit);
    }
    std::string message;
    try {
        const SheetText result = read();
        message = (result.ok() ? "T" : "M") + (result.ok() ? result.text : result.message);
    } catch (const std::exception&) {
        message = "X";
    }
    _exit(writeAll(out, message) ? 0 : 1);
}

} // namespace

IsolatedRead readIsolated(const std::function<SheetText()>& read,
                          std::chrono::milliseconds timeout) {
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
        return {{}, "не удалось начать чтение: "_cp + std::strerror(errno)};
    }
    const unsigned long long memory = addressSpaceInUse() + kChildMemory;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        runChild(pipeFds[1], read, memory);
    }
    ::close(pipeFds[1]);
    if (child < 0) {
        ::close(pipeFds[0]);
        return {{}, "не удалось начать чтение: "_cp + std::strerror(errno)};
    }
    std::string received;
    bool timedOut = false;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd ready{pipeFds[0], POLLIN, 0};
        const int polled = left.count() > 0 ? ::poll(&ready, 1, static_cast<int>(left.count())) : 0;
        if (polled < 0 && errno == EINTR) {
            continue;
        }
        if (polled == 0) {
            timedOut = true;
            ::kill(child, SIGKILL);
            break;
        }
        char buffer[65536];
        const ssize_t n = ::read(pipeFds[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        received.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(pipeFds[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (timedOut) {
        return {{},
                "чтение не закончилось за "_cp + std::to_string(timeout.count() / 1000) + " с"_cp};
    }
    if (WIFSIGNALED(status)) {
        return {{}, "чтение прервалось (сигнал "_cp + std::to_string(WTERMSIG(status)) + ")"};
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || received.empty() || received[0] == 'X') {
        return {{}, "чтение прервалось: не хватило памяти или файл поврежден"_cp};
    }
    const std::string payload = received.substr(1);
    return {received[0] == 'T' ? SheetText{payload, {}} : SheetText{{}, payload}, {}};
}

} // namespace kestrelon
