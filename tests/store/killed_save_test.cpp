// A save killed at any moment: the file is then the whole old image or the whole new one,
// and the next start loads it.

#include "child_process.h"
#include "store_test_util.h"

#include "store/image_file.h"
#include "store/startup_load.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <thread>

namespace kestrelon::test {
namespace {

constexpr int kKills = 200;

// A "Firms" image whose first `count` slots hold organizations.
std::string firmsWith(int count, char fill) {
    std::string image(189824, '\0');
    for (int slot = 0; slot < count; ++slot) {
        image.replace(static_cast<std::size_t>(slot) * kFirmBytes, 5, field(std::string(4, fill)));
    }
    return image;
}

// Saves the two images by turns until it is killed.
[[noreturn]] void saveForever(const std::string& folder, const std::string& first,
                              const std::string& second) {
    for (;;) {
        for (const std::string* image : {&first, &second}) {
            try {
                saveImageBytes(folder, files::kFirms, image->data(), image->size());
            } catch (const IoError&) {
                std::_Exit(1);
            }
        }
    }
}

TEST(KilledSave, FileIsWholeOldOrWholeNewAndStartUpLoadsIt) {
    TempFolder folder;
    const std::string older = firmsWith(3, 'a');
    const std::string newer = firmsWith(7, 'b');
    folder.writeFile(files::kFirms, older);

    // The kills must fall anywhere in a save, before, during and after its rename, so the
    // delays span two saves of this disk; a slow disk's saves are still cut short at 20 ms.
    const auto start = std::chrono::steady_clock::now();
    saveImageBytes(folder.path(), files::kFirms, older.data(), older.size());
    const auto oneSave = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - start);
    const auto longest = std::clamp<long long>(2 * oneSave.count(), 1000, 20000);
    std::mt19937 random(20261208);
    std::uniform_int_distribution<long long> delayMicroseconds(0, longest);
    int changed = 0;
    std::string last = older;
    for (int kill = 0; kill < kKills; ++kill) {
        SCOPED_TRACE(kill);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            saveForever(folder.path(), newer, older);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving process ended by itself: " << status;

        const std::string now = folder.readFile(files::kFirms);
        ASSERT_TRUE(now == older || now == newer) << "a torn file of " << now.size() << " bytes";
        changed += now != last ? 1 : 0;
        last = now;

        auto store = storeIn(folder);
        ASSERT_NO_THROW(loadStartupTables(*store));
        EXPECT_EQ(store->FirmCount, now == older ? 3 : 7);
    }
    // Every other entry is a temporary file some killed save left.
    for (const std::string& name : folderEntries(folder)) {
        EXPECT_TRUE(name == files::kFirms || name.rfind("Firms.~", 0) == 0) << name;
    }
    RecordProperty("kills", kKills);
    RecordProperty("kills_after_a_finished_save", changed);
}

} // namespace
} // namespace kestrelon::test
