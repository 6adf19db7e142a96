#pragma once
// A stand-in for the desktop's mail program: a shell script named xdg-email in a folder of its
// own, put first on PATH, that writes each argument it is given on a line of a file and ends
// with the status it was told. Made with kNoMailProgram, it puts an empty folder alone on PATH
// instead, so that no xdg-email is found. PATH is restored when the stand-in goes.

#include "temp_folder.h"

#include <string>
#include <vector>

namespace kestrelon::test {

struct NoMailProgram {};
inline constexpr NoMailProgram kNoMailProgram{};

class MailStandIn {
public:
    // `before` is shell text run after the arguments are written and before the exit.
    explicit MailStandIn(int exitStatus = 0, const std::string& before = {});
    explicit MailStandIn(NoMailProgram);
    ~MailStandIn();
    MailStandIn(const MailStandIn&) = delete;
    MailStandIn& operator=(const MailStandIn&) = delete;

    // The script has written its arguments.
    bool ran() const;
    // It is about to exit with its status.
    bool ended() const;
    // The arguments of its run, each whole as it was given.
    std::vector<std::string> arguments() const;

private:
    // Puts the folder first on PATH, before the rest or alone.
    void setPath(bool keepTheRest);

    TempFolder folder_;
    std::string oldPath_;
    bool hadPath_ = false;
};

// Whether the file is a complete PDF: it starts with "%PDF-" and ends with "%%EOF".
bool isWholePdf(const std::string& path);

} // namespace kestrelon::test
