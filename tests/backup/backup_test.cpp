// Backups as the program makes them on closing and restores them: only when something changed,
// every file back byte for byte, the old ones let go by the rule, and a damaged one refused with
// its reason before anything changes.

#include "backup/backup_zip.h"
#include "backup/restore.h"
#include "support/file_size_limit.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kestrelon {
namespace {

BackupMoment at(int year, int month, int day, int second = 0) {
    return {{year, month, day}, 12, 0, second};
}

class BackupTest : public ::testing::Test {
protected:
    BackupTest() {
        data.writeFile("Firms", std::string(1000, 'f'));
        data.writeFile("Clients", std::string(500, 'c'));
        data.writeFile("1_0313_12345678.rep", "report one");
        data.writeFile("old.rdel", "deleted report");
        data.writeFile(".kestrelon.lock", "");
        data.writeFile("Firms.~123-1", "a killed save's leftover");
        data.writeFile("notes.txt", "the user's own file");
    }
    std::string folder() const { return data.path(); }
    std::string backups() const { return store.path(); }

    test::TempFolder data;
    test::TempFolder store;
};

TEST_F(BackupTest, ABackupHoldsTheDataFilesAndIsMadeOnlyWhenSomethingChanged) {
    const BackupOutcome first = makeBackup(folder(), backups(), at(2026, 12, 10));
    ASSERT_TRUE(first.made);
    EXPECT_EQ(std::filesystem::path(first.path).filename(), "kestrelon-2026-12-10-120000.zip");
    const BackupRead read = readBackupZip(first.path);
    std::vector<std::string> names;
    for (const NamedBytes& file : read.files) {
        names.push_back(file.name);
    }
    EXPECT_EQ(names,
              (std::vector<std::string>{"1_0313_12345678.rep", "Clients", "Firms", "old.rdel"}));
    EXPECT_EQ(read.files[2].bytes, std::string(1000, 'f'));
    EXPECT_EQ(read.comment, "организаций: 0, договоров: 0, отчетов: 0") << "no whole report";

    EXPECT_FALSE(makeBackup(folder(), backups(), at(2026, 12, 11)).made) << "nothing changed";
    data.writeFile("Clients", std::string(500, 'C'));
    EXPECT_TRUE(makeBackup(folder(), backups(), at(2026, 12, 12)).made);
    EXPECT_EQ(listBackups(backups()).size(), 2u);
}

TEST_F(BackupTest, ARestoreBringsBackEveryFileAndKeepsTheStateBefore) {
    const std::string first = makeBackup(folder(), backups(), at(2026, 12, 10)).path;
    data.writeFile("Firms", "changed");
    data.writeFile("2_0413_12345678.rep", "a report saved since");
    std::filesystem::remove(folder() + "old.rdel");

    const RestoreOutcome restored = restoreBackup(folder(), backups(), first, at(2026, 12, 11));
    EXPECT_FALSE(restored.backupOfBefore.empty()) << "the state before is kept";
    EXPECT_EQ(data.readFile("Firms"), std::string(1000, 'f'));
    EXPECT_EQ(data.readFile("old.rdel"), "deleted report");
    EXPECT_FALSE(std::filesystem::exists(folder() + "2_0413_12345678.rep"));
    EXPECT_EQ(data.readFile("notes.txt"), "the user's own file") << "not the backup's to touch";
    EXPECT_EQ(readBackupZip(restored.backupOfBefore).files.size(), 4u);
    EXPECT_FALSE(makeBackup(folder(), backups(), at(2026, 12, 12)).made)
        << "the folder is the backup restored: nothing to back up on closing";
}

TEST_F(BackupTest, ADamagedBackupIsRefusedWithItsReasonAndNothingChanges) {
    const std::string good = makeBackup(folder(), backups(), at(2026, 12, 10)).path;
    const std::string bytes = store.readFile(std::filesystem::path(good).filename());
    std::string flipped = bytes;
    flipped[bytes.find("report one") != std::string::npos ? bytes.find("report one") : 60] ^= 1;

    // A zip of one entry that claims to be 2 GB, and one whose entry leads out of the folder.
    const auto zipOf = [&](const char* name, const std::string& content) {
        const std::string path = store.path() + name + std::string(".zip");
        writeBackupZip(path, {{"Firms", content}}, "");
        return path;
    };
    std::string bomb = store.readFile(std::filesystem::path(zipOf("bomb", "x")).filename());
    const std::string escaping = store.path() + "escaping.zip";
    {
        std::string zip = store.readFile(std::filesystem::path(zipOf("escape", "x")).filename());
        // "Firms" becomes "../Fi" in both of the zip's headers: same length, other meaning.
        for (std::size_t at = zip.find("Firms"); at != std::string::npos;
             at = zip.find("Firms", at + 1)) {
            zip.replace(at, 5, "../Fi");
        }
        store.writeFile("escaping.zip", zip);
    }
    // The stated size in the local and central headers: 0x7FFFFFFF.
    for (const std::size_t offset : {std::size_t{22}, bomb.rfind("PK\x01\x02") + 24}) {
        bomb.replace(offset, 4, std::string("\xFF\xFF\xFF\x7F", 4));
    }
    store.writeFile("bomb2.zip", bomb);
    store.writeFile("cut.zip", bytes.substr(0, bytes.size() / 2));
    store.writeFile("flipped.zip", flipped);

    data.writeFile("Firms", "now");
    const struct {
        const char* file;
        const char* says;
    } cases[] = {
        {"cut.zip", "архив не открывается"},
        {"flipped.zip", "часть «1_0313_12345678.rep» не читается целиком"},
        {"bomb2.zip", "«Firms» распаковалась бы в 2147483647 байт"},
        {"escaping.zip", "«../Fi» — не файл папки данных"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        try {
            restoreBackup(folder(), backups(), store.path() + c.file, at(2026, 12, 11));
            ADD_FAILURE() << "restored";
        } catch (const BackupProblem& problem) {
            EXPECT_NE(std::string(problem.what()).find(c.says), std::string::npos)
                << problem.what();
        }
        EXPECT_EQ(data.readFile("Firms"), "now") << "nothing changed";
        EXPECT_EQ(listBackups(backups()).size(), 1u) << "not even a backup of the state before";
    }
}

TEST_F(BackupTest, ABackupCutShortByAFullDiskIsSaidAndNeverListed) {
    // Bytes that do not pack, so that the zip is as large as they are.
    std::string noise(200000, '\0');
    unsigned seed = 20261210;
    for (char& c : noise) {
        seed = seed * 1103515245u + 12345u;
        c = static_cast<char>(seed >> 24);
    }
    data.writeFile("2_0413_12345678.rep", noise);
    {
        const test::FileSizeLimit fullDisk(4096);
        EXPECT_ANY_THROW(makeBackup(folder(), backups(), at(2026, 12, 10)));
    }
    EXPECT_TRUE(listBackups(backups()).empty());
    for (const auto& entry : std::filesystem::directory_iterator(backups())) {
        EXPECT_EQ(entry.path().extension(), "") << "a leftover: " << entry.path();
    }
    EXPECT_TRUE(makeBackup(folder(), backups(), at(2026, 12, 11)).made)
        << "made once there is room";
}

TEST(BackupPrune, TheTwentyNewestAndEachMonthsNewestForTwoYearsAreKept) {
    std::vector<BackupFile> backups;
    // Newest first: 30 of December 2026, then one each on the 1st and the 2nd of the months
    // back to January 2024.
    for (int d = 30; d >= 1; --d) {
        backups.push_back({"dec" + std::to_string(d), "", at(2026, 12, 1, d), 0, ""});
    }
    for (int back = 1; back <= 35; ++back) {
        const int total = 2026 * 12 + 11 - back; // months since year 0, December 2026 = 11
        const int year = total / 12;
        const int m = total % 12 + 1;
        for (const int day : {2, 1}) {
            backups.push_back(
                {std::to_string(year) + "-" + std::to_string(m) + "-" + std::to_string(day), "",
                 at(year, m, day), 0, ""});
        }
    }
    const std::vector<std::string> pruned = backupsToPrune(backups, at(2026, 12, 31));
    const auto kept = [&](const std::string& path) {
        return std::find(pruned.begin(), pruned.end(), path) == pruned.end();
    };
    EXPECT_TRUE(kept("dec30"));
    EXPECT_TRUE(kept("dec11")) << "the 20th newest";
    EXPECT_FALSE(kept("dec10"));
    EXPECT_TRUE(kept("2026-11-2")) << "November's newest";
    EXPECT_FALSE(kept("2026-11-1"));
    EXPECT_TRUE(kept("2025-1-2")) << "23 months back";
    EXPECT_FALSE(kept("2024-12-2")) << "24 months back";
    EXPECT_EQ(backups.size() - pruned.size(), 20u + 23u);
}

} // namespace
} // namespace kestrelon
