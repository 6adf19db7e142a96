#include "reports/register/register_file.h"
#include "sheets/isolated_read.h"

#include "store/cp1251.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <vector>

namespace kestrelon {
namespace {

using namespace std::chrono_literals;

TEST(ReadIsolated, WhatTheChildGivesComesBackAndWhatStopsItIsTold) {
    const std::string big(3 << 20, 'x'); // more than a pipe holds at once
    const struct {
        const char* label;
        std::function<SheetText()> read;
        bool stops;
    } cases[] = {
        {"a text, whole",
         [&] {
             return SheetText{big, {}};
         },
         false},
        {"a message",
         [] {
             return SheetText{{}, "no"};
         },
         false},
        {"a crash",
         [] {
             std::raise(SIGSEGV);
             return SheetText{"after", {}};
         },
         true},
        {"an exception", []() -> SheetText { throw std::runtime_error("library"); }, true},
        {"memory beyond the limit",
         [] {
             std::vector<char> huge(std::size_t{64} << 30, 'x');
             return SheetText{std::string(1, huge.back()), {}};
         },
         true},
        {"time beyond the limit",
         [] {
             std::this_thread::sleep_for(5s);
             return SheetText{"late", {}};
         },
         true},
    };
    for (const auto& c : cases) {
        const auto started = std::chrono::steady_clock::now();
        const IsolatedRead read = readIsolated(c.read, 1s);
        EXPECT_LT(std::chrono::steady_clock::now() - started, 4s) << c.label;
        EXPECT_EQ(!read.stopped.empty(), c.stops) << c.label << ": " << read.stopped;
        if (c.stops) {
            EXPECT_TRUE(read.result.text.empty() && read.result.message.empty()) << c.label;
        }
    }
    EXPECT_EQ(readIsolated([&] { return SheetText{big, {}}; }).result.text, big);
    EXPECT_EQ(readIsolated([] { return SheetText{{}, "no"}; }).result.message, "no");
}

// Files the fuzzing found: one made the .ods library once used write through a null pointer,
// the other states an entry of 4 GB.
TEST(ReadIsolated, FilesThatBreakTheLibraryAreToldAsDamagedAndTheProgramGoesOn) {
    for (const char* name : {"bad_crashes_reader.ods", "bad_huge_entry.xlsx"}) {
        std::ifstream file(std::string(KESTRELON_REGISTER_FILES) + "/" + name, std::ios::binary);
        std::stringstream bytes;
        bytes << file.rdbuf();
        ASSERT_GT(bytes.str().size(), 1000u) << name;
        const SheetText read = registerTextInChildProcess(bytes.str(), name);
        EXPECT_TRUE(read.text.empty());
        EXPECT_EQ(cp1251ToUtf8(read.message)
                      .rfind("Файл «" + std::string(name) +
                                 "»: файл поврежден или записан не полностью (",
                             0),
                  0u)
            << cp1251ToUtf8(read.message);
    }
}

// A file of one enormous field holds no register: the child says so, and only its words come
// back, not the megabytes.
TEST(ReadIsolated, AFieldLongerThanAnyRegistersCellStaysInTheChild) {
    const SheetText read = registerTextInChildProcess(std::string(8 << 20, 'x'), "one.csv");
    EXPECT_TRUE(read.text.empty());
    EXPECT_EQ(cp1251ToUtf8(read.message),
              "Файл «one.csv»: лист «CSV», ячейка A1: текст длиннее 4096 знаков; в реестре таких "
              "ячеек не бывает");
}

} // namespace
} // namespace kestrelon
