#include "isolated_read.h"

#include "store/cp1251.h"

#include <cerrno>
#include <charconv>
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

// The address space this process uses now, which the child starts with: the first number of
// /proc/self/statm, in pages. Read with from_chars, which no locale changes.
unsigned long long addressSpaceInUse() {
    char text[64] = {};
    std::size_t size = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        size = std::fread(text, 1, sizeof text, statm);
        std::fclose(statm);
    }
    unsigned long long pages = 0;
    std::from_chars(text, text + size, pages);
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

[[noreturn]] void runChild(int out, const std::function<SheetText()>& read) {
    becomeReadingChild();
    _exit(writeAll(out, childReply(read)) ? 0 : 1);
}

} // namespace

void becomeReadingChild() {
    stopQuietlyOnCrash();
    // AddressSanitizer reserves terabytes of address space for itself, so a limit would stop
    // a sanitized child before it starts.
    const unsigned long long inUse = addressSpaceInUse();
    if (!kSanitized && inUse != 0) {
        const rlimit limit{inUse + kChildMemory, inUse + kChildMemory};
        setrlimit(RLIMIT_AS, &limit);
    }
}

std::string childReply(const std::function<SheetText()>& read) {
    try {
        const SheetText result = read();
        return (result.ok() ? "T" : "M") + (result.ok() ? result.text : result.message);
    } catch (...) {
        return "X";
    }
}

IsolatedRead fromChildReply(std::string_view reply) {
    if (reply.empty() || (reply[0] != 'T' && reply[0] != 'M')) {
        return {{}, "чтение прервалось: не хватило памяти или файл поврежден"_cp};
    }
    const std::string payload(reply.substr(1));
    return {reply[0] == 'T' ? SheetText{payload, {}} : SheetText{{}, payload}, {}};
}

std::string childStopped(int waitStatus) {
    if (WIFSIGNALED(waitStatus)) {
        return "чтение прервалось (сигнал "_cp + std::to_string(WTERMSIG(waitStatus)) + ")";
    }
    return "чтение прервалось: не хватило памяти или файл поврежден"_cp;
}

std::string readTimedOut(std::chrono::milliseconds timeout) {
    return "чтение не закончилось за "_cp + std::to_string(timeout.count() / 1000) + " с"_cp;
}

IsolatedRead readIsolated(const std::function<SheetText()>& read,
                          std::chrono::milliseconds timeout) {
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
        return {{}, "не удалось начать чтение: "_cp + std::strerror(errno)};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        runChild(pipeFds[1], read);
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
        return {{}, readTimedOut(timeout)};
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return {{}, childStopped(status)};
    }
    return fromChildReply(received);
}

} // namespace kestrelon
