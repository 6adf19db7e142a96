// Backups and restores killed at random moments, hundreds of times: a file listed as a backup
// always reads back whole, and a restore leaves the old folder or the restored one after the
// next start, never a mix.

#include "backup/backup_zip.h"
#include "backup/restore.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <thread>

namespace kestrelon {
namespace {

constexpr int kKills = 200;

using Files = std::vector<NamedBytes>;

void writeFolder(const test::TempFolder& folder, const Files& files) {
    for (const NamedBytes& present : readFolderFiles(folder.path())) {
        std::filesystem::remove(folder.path() + present.name);
    }
    for (const NamedBytes& file : files) {
        folder.writeFile(file.name, file.bytes);
    }
}

bool same(const Files& a, const Files& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](const NamedBytes& x, const NamedBytes& y) {
               return x.name == y.name && x.bytes == y.bytes;
           });
}

// The delays of the kills span about two runs of `work`, so that they fall anywhere in one.
template <typename Work> std::uniform_int_distribution<long long> delaysAround(Work&& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    const auto once = std::chrono::duration_cast<std::chrono::microseconds>(
                          std::chrono::steady_clock::now() - start)
                          .count();
    return std::uniform_int_distribution<long long>(0,
                                                    std::clamp<long long>(2 * once, 1000, 40000));
}

pid_t runAndKill(const std::function<void()>& child, long long delay) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        try {
            child();
        } catch (...) {
            std::_Exit(2);
        }
        std::_Exit(0);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(delay));
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return pid;
}

// In name order, as a folder is read.
const Files kBefore = {{"1_0313_12345678.rep", std::string(55176, '\x01')},
                       {"Clients", std::string(20000, 'c')},
                       {"Firms", std::string(40000, 'a')}};
const Files kBackedUp = {{"2_0413_12345678.rep", std::string(55176, '\x02')},
                         {"Agent", std::string(3000, 'g')},
                         {"Firms", std::string(40000, 'b')}};

TEST(KilledBackup, AFileListedAsABackupAlwaysReadsBackWhole) {
    test::TempFolder data;
    test::TempFolder backups;
    writeFolder(data, kBefore);
    int second = 0;
    const auto backupForever = [&] {
        for (;;) {
            makeBackup(data.path(), backups.path(), {{2026, 12, 10}, 12, 0, second++ % 60}, true);
        }
    };
    auto delay = delaysAround([&] {
        makeBackup(data.path(), backups.path(), {{2026, 12, 9}, 12, 0, 0}, true);
    });
    std::mt19937 random(20261210);
    std::size_t listed = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        SCOPED_TRACE(kill);
        runAndKill(backupForever, delay(random));
        for (const BackupFile& backup : listBackups(backups.path())) {
            ASSERT_NO_THROW(readBackupZip(backup.path)) << backup.name;
            ++listed;
        }
    }
    EXPECT_GT(listed, 0u) << "some backups were finished between the kills";
}

TEST(KilledRestore, TheFolderIsTheOldOrTheRestoredOneAfterTheNextStart) {
    test::TempFolder data;
    test::TempFolder backups;
    test::TempFolder source;
    writeFolder(source, kBackedUp);
    const std::string backup =
        makeBackup(source.path(), backups.path(), {{2026, 1, 1}, 0, 0, 0}).path;
    const auto restore = [&] {
        restoreBackup(data.path(), backups.path(), backup, {{2026, 12, 10}, 12, 0, 0});
    };
    writeFolder(data, kBefore);
    auto delay = delaysAround(restore);
    std::mt19937 random(20261211);
    int restored = 0;
    int old = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        SCOPED_TRACE(kill);
        writeFolder(data, kBefore);
        runAndKill(restore, delay(random));
        finishInterruptedRestore(data.path()); // what the next start does
        const Files now = readFolderFiles(data.path());
        std::string shown;
        for (const NamedBytes& file : now) {
            shown += " " + file.name + ":" + std::to_string(file.bytes.size()) + ":" +
                     file.bytes.substr(0, 1);
        }
        ASSERT_TRUE(same(now, kBefore) || same(now, kBackedUp)) << "a mix:" << shown;
        (same(now, kBackedUp) ? restored : old) += 1;
        for (const auto& entry : std::filesystem::directory_iterator(data.path())) {
            ASSERT_EQ(entry.path().filename().string().rfind(".kestrelon-restore", 0),
                      std::string::npos)
                << "a leftover: " << entry.path();
        }
    }
    EXPECT_GT(restored, 0);
    EXPECT_GT(old, 0);
}

} // namespace
} // namespace kestrelon
