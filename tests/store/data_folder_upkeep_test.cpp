#include "child_process.h"
#include "store/data_folder_upkeep.h"
#include "store/image_file.h"
#include "store_test_util.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace kestrelon {
namespace {

using test::TempFolder;
namespace fs = std::filesystem;

// Process ids above the kernel's limit (2^22) never run: names a killed save could leave.
constexpr long kGonePid = 4194305;

std::string leftover(const std::string& saved, long pid = kGonePid, int attempt = 0) {
    return temporaryImageName(saved, pid, attempt);
}

TEST(DataFolderUpkeep, OnlyTheProgramsOwnTemporaryNamesAreLeftovers) {
    const std::string self = std::to_string(::getpid());
    const struct {
        std::string name;
        bool leftover;
    } cases[] = {
        {leftover("Firms"), true},
        {leftover("ArCol.ats", kGonePid + 1, 999), true},
        {leftover("Pixels"), true},
        {leftover("MailFolder"), true},
        {leftover("Март 2024.rep", kGonePid, 3), true},
        {leftover("list.trf"), true},
        {leftover("Прайс.TXT"), true},
        {"Agent.~" + self + "-0", true}, // this copy saves nothing before start-up is over
        {"Firms", false},
        {"Март 2024.rep", false},
        {leftover("notes"), false},     // not a file the program saves
        {leftover("photo.jpg"), false}, // nor of a kind it saves
        {leftover(".rep"), false},
        {".~4194305-0", false},
        {"Firms.~4194305-", false},
        {"Firms.~-0", false},
        {"Firms.~4194305-1000", false}, // a save gives up after attempt 999
        {"Firms.~04194305-0", false},
        {"Firms.~4194305-00", false},
        {"Firms.~4194305-0~", false},
        {"Firms.~+4194305-0", false},
        {"Firms~4194305-0", false},
        {"Firms.~0-0", false},
        {"Firms.~1-0", false}, // process 1 runs: a save of its may be under way
        {"Firms.~" + std::to_string(::getppid()) + "-0", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isLeftoverTemporary(c.name), c.leftover) << c.name;
    }
}

TEST(DataFolderUpkeep, LeftoversAreRemovedAndEverythingElseStays) {
    TempFolder folder;
    folder.writeFile(leftover("Firms"), 189824, 'f');
    folder.writeFile(leftover("Клиент 1.trf", kGonePid, 7), 376832, 't');
    folder.writeFile("Firms", 189824, 'F');
    folder.writeFile(leftover("notes"), "user's");
    folder.writeFile("Firms.~1-0", "a save under way");
    fs::create_directory(folder.path() + leftover("Clients"));
    fs::create_symlink(folder.path() + "Firms", folder.path() + leftover("Agent"));

    EXPECT_TRUE(removeLeftoverTemporaries(folder.path()).empty());
    std::vector<std::string> kept = {"Firms", leftover("notes"), "Firms.~1-0", leftover("Clients"),
                                     leftover("Agent")};
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(test::folderEntries(folder), kept);
    EXPECT_EQ(folder.readFile("Firms"), std::string(189824, 'F'));
}

// A folder the user may read but not change: the removal fails and is said with the system's
// message and the file's full name. The child is an ordinary user even where the suite is root.
TEST(DataFolderUpkeep, AFailedRemovalIsSaid) {
    TempFolder folder;
    const std::string name = leftover("Clients");
    folder.writeFile(name, 10880);
    fs::permissions(folder.path(), fs::perms(0555));
    const std::string said = test::runAsOrdinaryUser(
        [&] { return leftoverRemovalMessage(removeLeftoverTemporaries(folder.path())); });
    fs::permissions(folder.path(), fs::perms::owner_all);
    EXPECT_EQ(said, "Не удалось удалить временные файлы прерванных сохранений:\n"
                    "File access denied\n" +
                        folder.path() + name);
    EXPECT_TRUE(folder.exists(name));
}

TEST(DataFolderUpkeep, AFolderTakesSavesWhenAFileCanBeMadeThere) {
    TempFolder folder;
    EXPECT_TRUE(dataFolderTakesSaves(folder.path()));
    EXPECT_TRUE(test::folderEntries(folder).empty()) << "the trial file is removed";
    EXPECT_FALSE(dataFolderTakesSaves(folder.path() + "missing/"));
    // No one, root neither, makes files in /proc.
    EXPECT_FALSE(dataFolderTakesSaves("/proc/"));
    fs::permissions(folder.path(), fs::perms(0555));
    const std::string asUser = test::runAsOrdinaryUser(
        [&] { return std::string(dataFolderTakesSaves(folder.path()) ? "takes" : "refuses"); });
    fs::permissions(folder.path(), fs::perms::owner_all);
    EXPECT_EQ(asUser, "refuses");
}

TEST(DataFolderUpkeep, TheUnwritableFolderIsNamedAsUsersWriteIt) {
    EXPECT_EQ(unwritableDataFolderMessage("/media/cd/kestrelon/"),
              "Папка данных недоступна для записи: /media/cd/kestrelon; изменения не будут "
              "сохранены");
    EXPECT_EQ(unwritableDataFolderMessage("/"),
              "Папка данных недоступна для записи: /; изменения не будут сохранены");
}

} // namespace
} // namespace kestrelon
