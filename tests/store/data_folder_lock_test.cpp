// One running copy per data folder: a second copy is refused, a closed copy leaves no lock
// file, and the lock of a killed copy is taken over.

#include "store_test_util.h"

#include "store/data_folder_lock.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>

namespace kestrelon::test {
namespace {

TEST(DataFolderLock, SecondCopyIsRefusedUntilTheFirstCloses) {
    TempFolder folder;
    {
        const DataFolderLock first(folder.path());
        EXPECT_TRUE(first.held());
        EXPECT_FALSE(first.heldElsewhere());
        const DataFolderLock second(folder.path());
        EXPECT_FALSE(second.held());
        EXPECT_TRUE(second.heldElsewhere());
        EXPECT_EQ(folderEntries(folder), std::vector<std::string>{".kestrelon.lock"});
    }
    EXPECT_TRUE(folderEntries(folder).empty());
    const DataFolderLock third(folder.path());
    EXPECT_TRUE(third.held());
}

TEST(DataFolderLock, LockOfAKilledCopyIsTakenOver) {
    TempFolder folder;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const DataFolderLock lock(folder.path());
        const char held = lock.held() ? 'y' : 'n';
        if (::write(ready[1], &held, 1) != 1) {
            std::_Exit(1);
        }
        for (;;) {
            ::pause();
        }
    }
    ::close(ready[1]);
    char held = 0;
    const bool told = ::read(ready[0], &held, 1) == 1;
    ::close(ready[0]);
    const bool refusedWhileAlive = DataFolderLock(folder.path()).heldElsewhere();
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ASSERT_TRUE(told);
    EXPECT_EQ(held, 'y');
    EXPECT_TRUE(refusedWhileAlive);
    EXPECT_TRUE(folder.exists(".kestrelon.lock")) << "a killed copy cannot remove its lock file";
    const DataFolderLock next(folder.path());
    EXPECT_TRUE(next.held());
    EXPECT_FALSE(next.heldElsewhere());
}

TEST(DataFolderLock, MissingFolderIsNeitherHeldNorTaken) {
    TempFolder folder;
    const DataFolderLock lock(folder.path() + "missing/");
    EXPECT_FALSE(lock.held());
    EXPECT_FALSE(lock.heldElsewhere());
}

} // namespace
} // namespace kestrelon::test
