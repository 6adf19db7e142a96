// Files the user asked for, written as one: all of them complete or none, what was there kept,
// and a path that is not a plain file refused before anything is written.

#include "store/file_set.h"
#include "store_test_util.h"
#include "support/file_size_limit.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrelon::test {
namespace {

std::vector<FileToWrite> threeFiles(const TempFolder& folder, std::size_t size) {
    return {{folder.path() + "invoice.pdf", std::string(size, 'i')},
            {folder.path() + "act.pdf", std::string(size, 'a')},
            {folder.path() + "offset-act.pdf", std::string(size, 'o')}};
}

std::optional<IoError> errorOf(const std::vector<FileToWrite>& files) {
    try {
        saveFilesTogether(files);
    } catch (const IoError& error) {
        return error;
    }
    return std::nullopt;
}

TEST(FileSet, WritesEveryFileWhole) {
    TempFolder folder;
    folder.writeFile("act.pdf", "old");
    EXPECT_FALSE(errorOf(threeFiles(folder, 5000)));
    EXPECT_EQ(folder.readFile("act.pdf"), std::string(5000, 'a'));
    EXPECT_EQ(folderEntries(folder),
              (std::vector<std::string>{"act.pdf", "invoice.pdf", "offset-act.pdf"}));
}

// A full disk, or a file-size limit, part way through the second or third file: the old files
// stay byte for byte, no new one appears, nothing is left behind, and the failure is said.
TEST(FileSet, AFailedWriteLeavesTheOldFilesOrNone) {
    for (const bool oldFiles : {false, true}) {
        SCOPED_TRACE(oldFiles ? "old files there" : "a new folder");
        TempFolder folder;
        if (oldFiles) {
            for (const char* name : {"invoice.pdf", "act.pdf", "offset-act.pdf"}) {
                folder.writeFile(name, std::string("old ") + name);
            }
        }
        const std::vector<std::string> before = folderEntries(folder);
        std::vector<FileToWrite> files = threeFiles(folder, 3000);
        files[2].bytes.assign(40000, 'o'); // the last one does not fit
        std::optional<IoError> error;
        {
            const FileSizeLimit limit(16384);
            error = errorOf(files);
        }
        ASSERT_TRUE(error);
        EXPECT_EQ(error->message(),
                  "I/O error " + std::to_string(EFBIG) + ": " + std::strerror(EFBIG));
        EXPECT_EQ(error->path(), folder.path() + "offset-act.pdf");
        EXPECT_EQ(folderEntries(folder), before);
        if (oldFiles) {
            EXPECT_EQ(folder.readFile("act.pdf"), "old act.pdf");
        }
    }
}

TEST(FileSet, ASymbolicLinkFifoOrFolderAtAPathIsRefusedBeforeAnythingIsWritten) {
    struct Case {
        const char* kind;
        std::function<void(const std::string& path, const TempFolder&)> make;
    };
    const std::vector<Case> cases = {
        {"a symbolic link",
         [](const std::string& path, const TempFolder& folder) {
             folder.writeFile("target", "kept");
             ASSERT_EQ(::symlink((folder.path() + "target").c_str(), path.c_str()), 0);
         }},
        {"a FIFO", [](const std::string& path,
                      const TempFolder&) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); }},
        {"a folder", [](const std::string& path,
                        const TempFolder&) { std::filesystem::create_directory(path); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        TempFolder folder;
        const std::vector<FileToWrite> files = threeFiles(folder, 100);
        c.make(files[2].path, folder);
        const std::vector<std::string> before = folderEntries(folder);
        const auto error = errorOf(files);
        ASSERT_TRUE(error);
        EXPECT_EQ(error->message(), "«" + files[2].path + "» is " + c.kind +
                                        ", not a file to replace; choose another name");
        EXPECT_EQ(folderEntries(folder), before);
        struct stat entry {};
        ASSERT_EQ(::lstat(files[2].path.c_str(), &entry), 0);
        EXPECT_FALSE(S_ISREG(entry.st_mode)) << "left as the user made it";
    }
}

} // namespace
} // namespace kestrelon::test
