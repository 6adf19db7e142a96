#pragma once
// Store tests that need a second process: an ordinary user where the suite runs as root (root
// passes every permission check), and a process that can be killed at any moment.

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <grp.h>
#include <string>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kestrelon::test {

// The user "nobody" of Debian and most others.
inline constexpr uid_t kUnprivilegedId = 65534;

// Runs `action` in a child process that is not root (it becomes "nobody" when this process is
// root) and returns the text the action returned. A failure to fork or to drop root, or an
// action that dies, is returned as a text that no assertion expects.
inline std::string runAsOrdinaryUser(const std::function<std::string()>& action) {
    int channel[2];
    if (::pipe(channel) != 0) {
        return "no pipe";
    }
    const pid_t child = ::fork();
    if (child < 0) {
        return "no fork";
    }
    if (child == 0) {
        ::close(channel[0]);
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(kUnprivilegedId) != 0 ||
                                 ::setuid(kUnprivilegedId) != 0 || ::geteuid() == 0)) {
            std::_Exit(2);
        }
        const std::string result = action();
        const bool sent = ::write(channel[1], result.data(), result.size()) ==
                          static_cast<ssize_t>(result.size());
        std::_Exit(sent ? 0 : 3);
    }
    ::close(channel[1]);
    std::string result;
    char buffer[256];
    for (;;) {
        const ssize_t got = ::read(channel[0], buffer, sizeof buffer);
        if (got > 0) {
            result.append(buffer, static_cast<std::size_t>(got));
        } else if (got == 0 || errno != EINTR) {
            break;
        }
    }
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return "child failed with status " + std::to_string(status);
    }
    return result;
}

} // namespace kestrelon::test
