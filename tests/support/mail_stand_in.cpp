#include "mail_stand_in.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace kestrelon::test {

void MailStandIn::setPath(bool keepTheRest) {
    const char* path = std::getenv("PATH");
    hadPath_ = path != nullptr;
    oldPath_ = path ? path : "";
    const std::string next =
        folder_.path() + (keepTheRest && !oldPath_.empty() ? ":" + oldPath_ : std::string());
    setenv("PATH", next.c_str(), 1);
}

MailStandIn::MailStandIn(int exitStatus, const std::string& before) {
    // Shell built-ins only: the script must run whatever PATH holds.
    const std::string script = "#!/bin/sh\n"
                               "for a in \"$@\"; do printf '%s\\000' \"$a\"; done > '" +
                               folder_.path() + "arguments'\n: > '" + folder_.path() + "ran'\n" +
                               before + "\n: > '" + folder_.path() + "ended'\nexit " +
                               std::to_string(exitStatus) + "\n";
    folder_.writeFile("xdg-email", script);
    std::filesystem::permissions(folder_.path() + "xdg-email",
                                 std::filesystem::perms::owner_all |
                                     std::filesystem::perms::group_read |
                                     std::filesystem::perms::group_exec);
    setPath(true);
}

MailStandIn::MailStandIn(NoMailProgram) {
    setPath(false);
}

MailStandIn::~MailStandIn() {
    if (hadPath_) {
        setenv("PATH", oldPath_.c_str(), 1);
    } else {
        unsetenv("PATH");
    }
}

bool MailStandIn::ran() const {
    return folder_.exists("ran");
}

bool MailStandIn::ended() const {
    return folder_.exists("ended");
}

std::vector<std::string> MailStandIn::arguments() const {
    std::istringstream in(folder_.readFile("arguments"));
    std::vector<std::string> lines;
    // One argument ends in a zero byte: a letter's body holds line breaks.
    for (std::string line; std::getline(in, line, '\0');) {
        lines.push_back(line);
    }
    return lines;
}

bool isWholePdf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto end = bytes.find_last_not_of(" \r\n");
    return bytes.rfind("%PDF-", 0) == 0 && end != std::string::npos && end >= 4 &&
           bytes.compare(end - 4, 5, "%%EOF") == 0;
}

} // namespace kestrelon::test
