// kestrelon --backup, --backups and --restore as a script runs them: the real program, no
// windows, refused while another copy holds the folder.

#include "store/data_folder_lock.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <sys/wait.h>

namespace kestrelon {
namespace {

struct ProgramRun {
    int status = -1;
    std::string output; // standard output and error
};

ProgramRun kestrelon(const std::string& arguments) {
    const std::string command = std::string(KESTRELON_EXE) + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ProgramRun run;
    std::array<char, 512> buffer{};
    while (pipe != nullptr && fgets(buffer.data(), buffer.size(), pipe) != nullptr) {
        run.output += buffer.data();
    }
    const int status = pipe != nullptr ? pclose(pipe) : -1;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(BackupCommand, MakesListsAndRestoresWithoutWindows) {
    test::TempFolder data;
    data.writeFile("Firms", "the organizations");
    data.writeFile("7_0313_12345678.rep", "a report");
    const std::string folder = " --data-folder " + data.path();

    const ProgramRun made = kestrelon("--backup" + folder);
    ASSERT_EQ(made.status, 0) << made.output;
    const std::string backup = made.output.substr(0, made.output.find('\n'));
    EXPECT_NE(backup.find(".backups/kestrelon-"), std::string::npos) << backup;

    const ProgramRun listed = kestrelon("--backups" + folder);
    EXPECT_EQ(listed.status, 0) << listed.output;
    EXPECT_NE(listed.output.find(std::filesystem::path(backup).filename().string()),
              std::string::npos)
        << listed.output;

    data.writeFile("Firms", "changed");
    const ProgramRun restored = kestrelon("--restore " + backup + folder);
    EXPECT_EQ(restored.status, 0) << restored.output;
    EXPECT_EQ(data.readFile("Firms"), "the organizations");

    data.writeFile("damaged.zip", "PK not a zip");
    const ProgramRun refused = kestrelon("--restore " + data.path() + "damaged.zip" + folder);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.output.find("nothing was changed"), std::string::npos) << refused.output;
}

TEST(BackupCommand, RefusesWhileTheProgramHoldsTheFolder) {
    test::TempFolder data;
    data.writeFile("Firms", "the organizations");
    const DataFolderLock running(data.path());
    ASSERT_TRUE(running.held());
    const ProgramRun refused = kestrelon("--backup --data-folder " + data.path());
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.output.find(DataFolderLock::kHeldElsewhereMessage), std::string::npos)
        << refused.output;
    EXPECT_FALSE(
        std::filesystem::exists(data.path().substr(0, data.path().size() - 1) + ".backups"));
}

} // namespace
} // namespace kestrelon
