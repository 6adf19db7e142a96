#include "reading_child.h"

#include "store/cp1251.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <csignal>
#include <cstdint>
#include <fcntl.h>
#include <stdexcept>
#include <thread>
#include <unistd.h>

namespace kestrelon::fuzz {
namespace {

using namespace std::chrono_literals;

// Waits for ever inside zlib, as a library may loop on a damaged file: for data from a pipe
// that no one writes.
void waitInALibrary() {
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    gzFile never = gzdopen(ends[0], "rb");
    char byte = 0;
    gzread(never, &byte, 1);
}

// Counts the inputs its process has read, so that a test sees which child read which.
SheetText countingRead(std::string_view input) {
    static int reads = 0;
    ++reads;
    if (input == "killed") {
        std::raise(SIGKILL);
    } else if (input == "throws") {
        throw std::runtime_error("library");
    } else if (input == "slow") {
        waitInALibrary();
    } else if (input == "refused") {
        return {{}, "no"};
    }
    return {std::to_string(reads) + ":" + std::string(input), {}};
}

TEST(ReadingChild, OneChildReadsInputAfterInputAndAnotherTakesOverWhenOneStops) {
    ReadingChild child(countingRead, 1s);
    const struct {
        const char* input;
        const char* text;    // what the read gives
        const char* message; // or the message it gives
        bool stopped;
    } steps[] = {
        {"a", "1:a", "", false},  {"b", "2:b", "", false}, {"refused", "", "no", false},
        {"killed", "", "", true}, {"c", "1:c", "", false}, {"throws", "", "", true},
        {"slow", "", "", true},   {"d", "1:d", "", false},
    };
    for (const auto& step : steps) {
        const auto started = std::chrono::steady_clock::now();
        const IsolatedRead read = child.read(step.input);
        EXPECT_LT(std::chrono::steady_clock::now() - started, 3s) << step.input;
        EXPECT_EQ(read.result.text, step.text) << step.input;
        EXPECT_EQ(read.result.message, step.message) << step.input;
        EXPECT_EQ(!read.stopped.empty(), step.stopped) << step.input << ": " << read.stopped;
    }
}

// A library that crashes on what it is given (zlib here, handed a stream whose state lies at
// an address no program has) costs the one file: the program says the file is damaged and
// reads the next, and so does the fuzz target.
TEST(ReadingChild, ALibrarysCrashIsADamagedFileAndTheNextFileIsRead) {
    ReadingChild child([](std::string_view input) -> SheetText {
        if (input == "damaged") {
            z_stream stream{};
            stream.zalloc = [](voidpf, uInt, uInt) -> voidpf { return nullptr; };
            stream.zfree = [](voidpf, voidpf) {};
            stream.state = reinterpret_cast<internal_state*>(std::uintptr_t{16});
            inflate(&stream, Z_NO_FLUSH);
        }
        return {std::string(input), {}};
    });
    EXPECT_EQ(cp1251ToUtf8(child.read("damaged").stopped), "чтение прервалось (сигнал 11)");
    const IsolatedRead next = child.read("next");
    EXPECT_TRUE(next.stopped.empty()) << cp1251ToUtf8(next.stopped);
    EXPECT_EQ(next.result.text, "next");
}

TEST(ReadingChildDeathTest, ACrashInTheProgramsOwnCodeEndsTheRun) {
    ReadingChild child([](std::string_view) -> SheetText {
        std::raise(SIGSEGV);
        return {};
    });
    EXPECT_DEATH(child.read("x"), "stopped in the program's own code");

    ReadingChild loops(
        [](std::string_view) -> SheetText {
            for (;;) {
                std::this_thread::sleep_for(10ms);
            }
        },
        500ms);
    EXPECT_DEATH(loops.read("x"), "hung in the program's own code");
}

// A child that waits in our code once (as on a lock a fork left held) is not a finding when a
// fresh child reads the same input.
TEST(ReadingChild, AHangThatAFreshChildDoesNotRepeatIsReadAgain) {
    char marker[] = "/tmp/kestrelon-hung-once-XXXXXX";
    const int fd = ::mkstemp(marker);
    ASSERT_GE(fd, 0);
    ::close(fd);
    ::unlink(marker);
    ReadingChild once(
        [&](std::string_view) -> SheetText {
            if (::access(marker, F_OK) != 0) {
                ::close(::open(marker, O_CREAT | O_WRONLY, 0600));
                for (;;) {
                    std::this_thread::sleep_for(10ms);
                }
            }
            return {"read", {}};
        },
        500ms);
    const IsolatedRead result = once.read("x");
    ::unlink(marker);
    EXPECT_TRUE(result.stopped.empty()) << result.stopped;
    EXPECT_EQ(result.result.text, "read");
}

} // namespace
} // namespace kestrelon::fuzz
