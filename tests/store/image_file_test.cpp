// Whole-image files: exact sizes, short and long files, byte-exact saves, failed saves,
// read-only files and folders, permission bits, leftovers of killed saves.

#include "child_process.h"
#include "store_test_util.h"
#include "support/file_size_limit.h"

#include "store/image_file.h"
#include "store/startup_load.h"

#include <cstring>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

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
    EXPECT_EQ(error->message(), "I/O error " + std::to_string(EFBIG) + ": " + std::strerror(EFBIG));
    EXPECT_EQ(error->fileName(), "Firms");
    EXPECT_EQ(folder.readFile("Firms"), previous);
    EXPECT_EQ(folderEntries(folder), std::vector<std::string>{"Firms"});
}

// What a failed or finished action reports back from the child process.
std::string outcomeOf(const std::function<void()>& action) {
    const auto error = ioErrorFrom(action);
    return error ? error->message() + " | " + error->fileName() : "no error";
}

namespace fs = std::filesystem;

fs::perms modeOf(const std::string& path) {
    return fs::status(path).permissions();
}

TEST(ImageFile, SaveIntoReadOnlyFolderIsAccessDenied) {
    TempFolder folder;
    folder.writeFile("Agent", 540, 'a');
    // The file itself may be written by anyone: only the folder stops the save.
    fs::permissions(folder.path() + "Agent", fs::perms(0666));
    fs::permissions(folder.path(), fs::perms(0555));
    auto store = storeIn(folder);
    const std::string outcome =
        runAsOrdinaryUser([&] { return outcomeOf([&] { store->SaveFileAgent(); }); });
    fs::permissions(folder.path(), fs::perms::owner_all);
    EXPECT_EQ(outcome, "File access denied | Agent");
    EXPECT_EQ(folder.readFile("Agent"), std::string(540, 'a'));
    EXPECT_EQ(folderEntries(folder), std::vector<std::string>{"Agent"});
}

TEST(ImageFile, UnreadableFileIsAccessDenied) {
    TempFolder folder;
    folder.writeFile("Clients", 10880);
    fs::permissions(folder.path(), fs::perms(0755));
    fs::permissions(folder.path() + "Clients", fs::perms::none);
    auto store = storeIn(folder);
    const std::string outcome =
        runAsOrdinaryUser([&] { return outcomeOf([&] { loadStartupTables(*store); }); });
    EXPECT_EQ(outcome, "File access denied | Clients");
}

// A read-only data file is kept as it is, bytes and permission bits, whoever saves: root is
// refused a file without any write bit, an ordinary user a file it may not write.
TEST(ImageFile, SaveOverReadOnlyFileIsAccessDeniedAndKeepsIt) {
    struct Case {
        unsigned mode;
        bool asOrdinaryUser;
    };
    const Case cases[] = {{0444, false}, {0400, false}, {0000, false}, {0444, true}, {0464, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::oct << c.mode << (c.asOrdinaryUser ? " user" : ""));
        TempFolder folder;
        const std::string previous = nonZeroBytes(10880, 3);
        folder.writeFile("Clients", previous);
        fs::permissions(folder.path() + "Clients", fs::perms(c.mode));
        // The folder is open to all, so only the file's own permission can refuse the save.
        fs::permissions(folder.path(), fs::perms(0777));
        auto store = storeIn(folder);
        store->Clients[0].FirmInn = "1";
        const auto save = [&] { return outcomeOf([&] { store->SaveFileClient(); }); };
        const std::string outcome = c.asOrdinaryUser ? runAsOrdinaryUser(save) : save();
        EXPECT_EQ(outcome, "File access denied | Clients");
        EXPECT_EQ(folder.readFile("Clients"), previous);
        EXPECT_EQ(modeOf(folder.path() + "Clients"), fs::perms(c.mode));
        EXPECT_EQ(folderEntries(folder), std::vector<std::string>{"Clients"});
    }
}

TEST(ImageFile, ReplacedFileKeepsItsPermissionBits) {
    for (const unsigned mode : {0600u, 0640u, 0604u, 0666u, 0660u, 0200u}) {
        SCOPED_TRACE(testing::Message() << std::oct << mode);
        TempFolder folder;
        folder.writeFile("FormW", 128, 'x');
        fs::permissions(folder.path() + "FormW", fs::perms(mode));
        auto store = storeIn(folder);
        store->FormW.setSize(SizedWindow::PriceList, WindowSize{640, 480});
        ASSERT_NO_THROW(store->SaveFileForm());
        EXPECT_EQ(modeOf(folder.path() + "FormW"), fs::perms(mode));
        fs::permissions(folder.path() + "FormW", fs::perms(0600));
        EXPECT_EQ(folder.readFile("FormW"), bytesOf(store->FormW));
    }
}

TEST(ImageFile, NewFileIsMadeWithTheUsualPermissions) {
    TempFolder folder;
    const mode_t previous = ::umask(022);
    auto store = storeIn(folder);
    store->SaveFileCol();
    ::umask(previous);
    EXPECT_EQ(modeOf(folder.path() + "ArCol.ats"), fs::perms(0644));
}

// A killed save leaves its temporary file behind; with the process ids of today's copies it
// may even bear the name this save tries first. A folder of that name is no obstacle either.
TEST(ImageFile, LeftoversOfKilledSavesDoNotStopASave) {
    TempFolder folder;
    const long pid = static_cast<long>(::getpid());
    const std::string firstTry = temporaryImageName("Firms", pid, 0);
    const std::string secondTry = temporaryImageName("Firms", pid, 1);
    const std::string leftovers[] = {"Firms.~save", firstTry, secondTry};
    fs::create_directory(folder.path() + "Firms.~save");
    folder.writeFile(firstTry, 1000, 'L');
    fs::create_directory(folder.path() + secondTry);
    folder.writeFile(secondTry + "/inside", 10, 'L');

    auto store = storeIn(folder);
    for (const char* name : {"First", "Second"}) {
        SCOPED_TRACE(name);
        store->Firms[0].Name = name;
        ASSERT_NO_THROW(store->SaveFileFirm());
        EXPECT_EQ(folder.readFile("Firms"), bytesOf(store->Firms));
    }
    EXPECT_EQ(folder.readFile(firstTry), std::string(1000, 'L'));
    std::vector<std::string> expected(std::begin(leftovers), std::end(leftovers));
    expected.push_back("Firms");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(folderEntries(folder), expected);
}

TEST(ImageFile, FolderSync) {
    TempFolder folder;
    EXPECT_NO_THROW(syncFolder(folder.path()));
    const auto missing = ioErrorFrom([&] { syncFolder(folder.path() + "missing/"); });
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->message(), "File not found");
    folder.writeFile("plain", 1);
    const auto notFolder = ioErrorFrom([&] { syncFolder(folder.path() + "plain"); });
    ASSERT_TRUE(notFolder);
    EXPECT_EQ(notFolder->message(), "File not found");
}

} // namespace
} // namespace kestrelon::test
