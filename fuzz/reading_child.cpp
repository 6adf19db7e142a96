#include "reading_child.h"

#include "fuzz_check.h"
#include "own_fault.h"
#include "store/cp1251.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <limits>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

// A library that asks the reading child for more memory at once than the program's child may
// use gets nothing, as under the program's limit, rather than making the fuzzer report an input
// that the program survives. Only builds with AddressSanitizer read this.
extern "C" const char* __asan_default_options() {
    return "max_allocation_size_mb=1024:allocator_may_return_null=1";
}

namespace kestrelon::fuzz {
namespace {

// Each message of the child starts with one of these.
constexpr char kReply = 'R';
constexpr char kOwnFault = 'B';

using Clock = std::chrono::steady_clock;

// How long a hung child has to say where it is.
constexpr std::chrono::seconds kHungReplyTime{2};

bool sendAll(int socket, const void* data, std::size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::send(socket, bytes, size, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Fills `data` whole; false when the other side ended first or the deadline passed (`late`).
bool receiveAll(int socket, void* data, std::size_t size, Clock::time_point deadline, bool& late) {
    auto* bytes = static_cast<char*>(data);
    while (size > 0) {
        const auto left = std::min<long long>(
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count(),
            std::numeric_limits<int>::max());
        pollfd ready{socket, POLLIN, 0};
        const int polled = left > 0 ? ::poll(&ready, 1, static_cast<int>(left)) : 0;
        if (polled < 0 && errno == EINTR) {
            continue;
        }
        if (polled == 0) {
            late = true;
            return false;
        }
        const ssize_t n = ::recv(socket, bytes, size, 0);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// The child waits for its parent as long as the parent lives.
bool receiveAll(int socket, void* data, std::size_t size) {
    bool late = false;
    return receiveAll(socket, data, size, Clock::time_point::max(), late);
}

// Closing the socket ends a waiting child; one that is still reading is killed (a child that
// has ended already keeps the status it ended with). Its status, as waitpid gives it.
int stopChild(pid_t child, int socket, bool kill) {
    ::close(socket);
    if (kill) {
        ::kill(child, SIGKILL);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

} // namespace

ReadingChild::ReadingChild(Read read, std::chrono::milliseconds timeout)
    : read_(std::move(read)), timeout_(timeout) {}

ReadingChild::~ReadingChild() {
    stop();
}

bool ReadingChild::start() {
    int sockets[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets) != 0) {
        return false;
    }
    child_ = ::fork();
    if (child_ == 0) {
        ::close(sockets[0]);
        serve(sockets[1]);
    }
    ::close(sockets[1]);
    if (child_ < 0) {
        ::close(sockets[0]);
        return false;
    }
    socket_ = sockets[0];
    return true;
}

void ReadingChild::stop() {
    if (child_ > 0) {
        stopChild(child_, socket_, false);
    }
    child_ = -1;
    socket_ = -1;
}

void ReadingChild::serve(int socket) {
    becomeReadingChild();
    tellOwnFaultsTo(socket, kOwnFault);
    std::string input;
    for (;;) {
        std::uint64_t size = 0;
        if (!receiveAll(socket, &size, sizeof size)) {
            _exit(0);
        }
        input.resize(size);
        if (!receiveAll(socket, input.data(), input.size())) {
            _exit(0);
        }
        coverage_.beginRun();
        const std::string reply = childReply([&] { return read_(input); });
        coverage_.endRun();
        const std::uint64_t replySize = reply.size();
        if (!sendAll(socket, &kReply, 1) || !sendAll(socket, &replySize, sizeof replySize) ||
            !sendAll(socket, reply.data(), reply.size())) {
            _exit(0);
        }
    }
}

ReadingChild::Reply ReadingChild::exchange(std::string_view input, std::string& reply) {
    const std::uint64_t size = input.size();
    if (!sendAll(socket_, &size, sizeof size) || !sendAll(socket_, input.data(), input.size())) {
        return Reply::Ended;
    }
    const Clock::time_point deadline = Clock::now() + timeout_;
    bool late = false;
    char kind = 0;
    std::uint64_t replySize = 0;
    if (!receiveAll(socket_, &kind, 1, deadline, late)) {
        return late ? Reply::TimedOut : Reply::Ended;
    }
    if (kind != kReply) {
        return Reply::OwnFault;
    }
    if (!receiveAll(socket_, &replySize, sizeof replySize, deadline, late)) {
        return late ? Reply::TimedOut : Reply::Ended;
    }
    reply.resize(replySize);
    if (!receiveAll(socket_, reply.data(), reply.size(), deadline, late)) {
        return late ? Reply::TimedOut : Reply::Ended;
    }
    return Reply::Given;
}

IsolatedRead ReadingChild::read(std::string_view input) {
    return readOnce(input, true);
}

IsolatedRead ReadingChild::readOnce(std::string_view input, bool mayRetry) {
    if (child_ < 0 && !start()) {
        return {{}, "не удалось начать чтение"_cp};
    }
    std::string reply;
    const Reply outcome = exchange(input, reply);
    if (outcome == Reply::Given) {
        coverage_.collect();
        return fromChildReply(reply);
    }
    require(outcome != Reply::OwnFault,
            "the reading child stopped in the program's own code (the report is above)");
    if (outcome == Reply::TimedOut) {
        // A library that loops on a damaged file is the program's to survive; a loop of ours
        // is a finding. The child tells which, and where, before it ends.
        ::kill(child_, kHungSignal);
        char kind = 0;
        bool late = false;
        const bool own =
            receiveAll(socket_, &kind, 1, Clock::now() + kHungReplyTime, late) && kind == kOwnFault;
        if (own && mayRetry) {
            // A child forked while another thread of this process held a lock of the
            // sanitizer's allocator waits on it for ever, wherever it next allocates. A loop of
            // ours hangs a fresh child on the same input too; that wait does not.
            stopChild(child_, socket_, true);
            child_ = -1;
            socket_ = -1;
            return readOnce(input, false);
        }
        require(!own, "the reading child hung in the program's own code (its stack is above)");
    }
    const int status = stopChild(child_, socket_, true);
    child_ = -1;
    socket_ = -1;
    return {{}, outcome == Reply::TimedOut ? readTimedOut(timeout_) : childStopped(status)};
}

} // namespace kestrelon::fuzz
