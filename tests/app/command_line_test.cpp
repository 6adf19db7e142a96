// The program's options: a chosen data folder, the start-up check, help and mistakes.

#include "command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrelon {
namespace {

using Action = CommandLine::Action;

TEST(CommandLine, ReadsTheOptions) {
    struct Case {
        std::vector<std::string> arguments;
        Action action;
        std::string dataFolder;
        bool closeWhenShown;
    };
    const Case cases[] = {
        {{}, Action::Run, "", false},
        {{"--data-folder", "/home/anna/k"}, Action::Run, "/home/anna/k", false},
        {{"--data-folder=/home/anna/k"}, Action::Run, "/home/anna/k", false},
        {{"--data-folder", "a", "--data-folder", "b"}, Action::Run, "b", false},
        {{"--close-when-shown"}, Action::Run, "", true},
        {{"--data-folder", "d", "--close-when-shown"}, Action::Run, "d", true},
        {{"--help"}, Action::Help, "", false},
        {{"-h"}, Action::Help, "", false},
        {{"--data-folder", "d", "--help"}, Action::Help, "d", false},
        {{"--help", "--no-such"}, Action::Help, "", false},
        {{"--no-such"}, Action::Error, "", false},
        {{"file.rep"}, Action::Error, "", false},
        {{"--data-folder"}, Action::Error, "", false},
        {{"--data-folder="}, Action::Error, "", false},
        {{"--data-folder", ""}, Action::Error, "", false},
        {{"--data-folder", "d", "-x"}, Action::Error, "d", false},
        {{"--backup"}, Action::Backup, "", false},
        {{"--backups", "--data-folder", "d"}, Action::Backups, "d", false},
        {{"--data-folder", "d", "--restore", "k.zip"}, Action::Restore, "d", false},
        {{"--restore"}, Action::Error, "", false},
        {{"--backup", "--backups"}, Action::Error, "", false},
    };
    for (const Case& c : cases) {
        std::string shown;
        for (const std::string& a : c.arguments) {
            shown += " [" + a + "]";
        }
        SCOPED_TRACE(shown);
        const CommandLine line = parseCommandLine(c.arguments);
        EXPECT_EQ(line.action, c.action);
        EXPECT_EQ(line.dataFolder.string(), c.dataFolder);
        EXPECT_EQ(line.closeWhenShown, c.closeWhenShown);
        EXPECT_EQ(line.error.empty(), c.action != Action::Error);
    }
}

TEST(CommandLine, RestoreTakesItsFile) {
    EXPECT_EQ(parseCommandLine({"--restore", "/b/kestrelon-2026-12-10-140530.zip"}).restoreFile,
              "/b/kestrelon-2026-12-10-140530.zip");
}

TEST(CommandLine, ErrorNamesTheWrongArgument) {
    EXPECT_EQ(parseCommandLine({"--verbose"}).error, "unknown argument: --verbose");
    EXPECT_EQ(parseCommandLine({"--data-folder"}).error, "--data-folder needs a folder");
}

TEST(CommandLine, UsageNamesTheProgramAndEveryOption) {
    const std::string usage = usageText("kestrelon");
    EXPECT_EQ(usage.rfind("Usage: kestrelon ", 0), 0u);
    for (const char* option : {"--data-folder DIR", "--close-when-shown", "--help"}) {
        EXPECT_NE(usage.find(option), std::string::npos) << option;
    }
}

} // namespace
} // namespace kestrelon
