#pragma once
// A reading child that stays up. The program reads each register file in a child process of
// its own (readIsolated), so that a library that crashes on a damaged file costs the file and
// not the program; a fuzz target that forked once per input would spend its time forking. This
// child reads input after input sent to it over a socket, and is started again only when an
// input stops it. What stops it is told as the program tells it, unless the fault lies in
// this program's own code: then the run ends, so that libFuzzer keeps the input.
#include "child_coverage.h"
#include "sheets/isolated_read.h"

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace kestrelon::fuzz {

class ReadingChild {
public:
    using Read = std::function<SheetText(std::string_view input)>;

    // The program gives a file of up to 64 MB half a minute; a fuzzer's input of a few
    // kilobytes that is not read in `timeout` is hung, and would only eat the fuzzing time.
    explicit ReadingChild(Read read, std::chrono::milliseconds timeout = std::chrono::seconds(5));
    ~ReadingChild();
    ReadingChild(const ReadingChild&) = delete;
    ReadingChild& operator=(const ReadingChild&) = delete;

    // What `read` gives for `input`, read in the child; as readIsolated tells it.
    IsolatedRead read(std::string_view input);

private:
    enum class Reply { Given, OwnFault, Ended, TimedOut };

    bool start();
    void stop();
    [[noreturn]] void serve(int socket);
    Reply exchange(std::string_view input, std::string& reply);
    // A hang in the program's own code is a finding only when a fresh child hangs as well.
    IsolatedRead readOnce(std::string_view input, bool mayRetry);

    Read read_;
    std::chrono::milliseconds timeout_;
    ChildCoverage coverage_;
    pid_t child_ = -1;
    int socket_ = -1;
};

} // namespace kestrelon::fuzz
