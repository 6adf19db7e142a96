// Whole-image files: exact sizes, short and long files, byte-exact saves, failed saves.

#include "store_test_util.h"

#include "store/startup_load.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>

namespace kestrelon::test {
namespace {

struct ImageFile {
    const char* name;
    std::size_t size;
    std::string (*loaded)(const DataStore&);
    void (DataStore::*save)() const; // none for the read-only installation files
};

const ImageFile kFiles[] = {
    {"Firms", 189824, [](const DataStore& s) { return bytesOf(s.Firms); },
     &DataStore::SaveFileFirm},
    {"FirmsDel", 189824, [](const DataStore& s) { return bytesOf(s.FirmsDel); },
     &DataStore::SaveFileFirmDel},
    {"Clients", 10880, [](const DataStore& s) { return bytesOf(s.Clients); },
     &DataStore::SaveFileClient},
    {"ClientsDel", 10880, [](const DataStore& s) { return bytesOf(s.ClientsDel); },
     &DataStore::SaveFileClientDel},
    {"Agent", 540, [](const DataStore& s) { return bytesOf(s.Agent); }, &DataStore::SaveFileAgent},
    {"FormW", 128, [](const DataStore& s) { return bytesOf(s.FormW); }, &DataStore::SaveFileForm},
    {"ArCol.ats", 512, [](const DataStore& s) { return bytesOf(s.ArCol); },
     &DataStore::SaveFileCol},
    {"Function", 1472, [](const DataStore& s) { return bytesOf(s.Functions); },
     &DataStore::SaveFileFunc},
    {"Tel", 60, [](const DataStore& s) { return bytesOf(s.Tel); }, nullptr},
    {"Pixels", 144012, [](const DataStore& s) { return bytesOf(s.Pixels); }, nullptr},
};

void loadAll(DataStore& store) {
    loadStartupTables(store);
    loadAgentContract(store);
}

TEST(ImageFile, FileOneByteShortIsReadBeyondEnd) {
    for (const auto& file : kFiles) {
        SCOPED_TRACE(file.name);
        TempFolder folder;
        folder.writeFile(file.name, file.size - 1, '\x01');
        auto store = storeIn(folder);
        const auto error = ioErrorFrom([&] { loadAll(*store); });
        ASSERT_TRUE(error);
        EXPECT_EQ(error->message(), "Read beyond end of file");
        EXPECT_EQ(error->fileName(), file.name);
    }
}

TEST(ImageFile, LongerFileIsReadUpToImageSize) {
    unsigned seed = 1;
    for (const auto& file : kFiles) {
        SCOPED_TRACE(file.name);
        TempFolder folder;
        const std::string bytes = nonZeroBytes(file.size + 16, seed++);
        folder.writeFile(file.name, bytes);
        auto store = storeIn(folder);
        ASSERT_NO_THROW(loadAll(*store));
        EXPECT_EQ(file.loaded(*store), bytes.substr(0, file.size));
    }
}

TEST(ImageFile, SaveAfterLoadKeepsEveryByte) {
    TempFolder loadedFrom;
    unsigned seed = 100;
    for (const auto& file : kFiles) {
        loadedFrom.writeFile(file.name, nonZeroBytes(file.size, seed++));
    }
    auto store = storeIn(loadedFrom);
    loadAll(*store);
    EXPECT_EQ(store->FirmCount, 64);
    EXPECT_EQ(store->ClientCount, 64);
    EXPECT_EQ(store->FunctionCount, 16);

    TempFolder savedTo;
    store->DataFolder = savedTo.path();
    for (const auto& file : kFiles) {
        if (file.save) {
            SCOPED_TRACE(file.name);
            (store.get()->*file.save)();
            EXPECT_EQ(savedTo.readFile(file.name), loadedFrom.readFile(file.name));
        }
    }
}

TEST(ImageFile, SaveIntoMissingFolderIsFileNotFound) {
    TempFolder folder;
    auto store = storeIn(folder);
    store->DataFolder = folder.path() + "missing/";
    const auto error = ioErrorFrom([&] { store->SaveFileClient(); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message(), "File not found");
    EXPECT_EQ(error->fileName(), "Clients");
    EXPECT_TRUE(folderEntries(folder).empty());
}

// Limits the size of any file this process writes, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, savedHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*savedHandler_)(int) = nullptr;
};

TEST(ImageFile, FailedWriteKeepsPreviousFile) {
    TempFolder folder;
    const std::string previous = nonZeroBytes(189824, 7);
    folder.writeFile("Firms", previous);
    auto store = storeIn(folder);
    store->Firms[0].Name = "Changed";

    std::optional<IoError> error;
    {
        const FileSizeLimit limit(4096);
        error = ioErrorFrom([&] { store->SaveFileFirm(); });
    }
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message(), "I/O error " + std::to_string(EFBIG));
    EXPECT_EQ(error->fileName(), "Firms");
    EXPECT_EQ(folder.readFile("Firms"), previous);
    EXPECT_EQ(folderEntries(folder), std::vector<std::string>{"Firms"});
}

TEST(ImageFile, SaveIntoReadOnlyFolderIsAccessDenied) {
    if (!permissionsApply()) {
        GTEST_SKIP() << "root ignores file permissions";
    }
    TempFolder folder;
    folder.writeFile("Agent", 540, 'a');
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_read |
                                                    std::filesystem::perms::owner_exec);
    auto store = storeIn(folder);
    const auto error = ioErrorFrom([&] { store->SaveFileAgent(); });
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_all);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message(), "File access denied");
    EXPECT_EQ(error->fileName(), "Agent");
    EXPECT_EQ(folder.readFile("Agent"), std::string(540, 'a'));
    EXPECT_EQ(folderEntries(folder), std::vector<std::string>{"Agent"});
}

TEST(ImageFile, UnreadableFileIsAccessDenied) {
    if (!permissionsApply()) {
        GTEST_SKIP() << "root ignores file permissions";
    }
    TempFolder folder;
    folder.writeFile("Clients", 10880);
    std::filesystem::permissions(folder.path() + "Clients", std::filesystem::perms::none);
    auto store = storeIn(folder);
    const auto error = ioErrorFrom([&] { loadStartupTables(*store); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message(), "File access denied");
    EXPECT_EQ(error->fileName(), "Clients");
}

} // namespace
} // namespace kestrelon::test
